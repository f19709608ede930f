#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

class Database;

// Puts accounts and listings into a local database, for tests, benchmarks and the
// screenshot tool.
class SampleData {
public:
    struct Listing {
        int listKind = 0;
        QString titel;
        QVariant auktionstyp = 1;
        QVariant startpreis = 1.0;
        QVariant sofortkaufpreis = 0.0;
        QVariant gebotspreis = 0.0;
        int gebote = 0;
        int anzahl = 1;
        int dauer = 7;
        QVariant status = 0;
        QString pic1;
        QString pic2;
        QString pic3;
        // As stored: "yyyy-MM-dd HH:mm:ss"
        QString ende;
        int aukID = 11;
    };

    explicit SampleData(Database &db) : m_db(db) {}

    // Returns the new account's id.
    int addAccount(const QString &usern, const QString &password, int aukid, const QString &uid = QString(),
        int hauptid = 0, const QString &lastupdate = QStringLiteral("01.01.1991"));
    // Returns the new listing's id.
    int addListing(int userID, const Listing &listing);
    // count listings of one list with varied titles, prices, types and ends, in one transaction.
    void addListings(int userID, int listKind, int count, const QDateTime &now = QDateTime::currentDateTime());

    static QString storedTime(const QDateTime &time);
    static Listing variedListing(int listKind, int number, const QDateTime &now);

private:
    Database &m_db;
};
