#pragma once

#include "store/Database.h"
#include "ui/main/FieldRows.h"

#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <optional>

// The statements behind the main window's lists, on the window's list connection.
class ListStore {
public:
    // The twelve fields every list reads, in this order.
    enum Field { Id, Titel, Startpreis, Gebotspreis, Anzahl, Sofortkaufpreis, Pic1, Status, Auktionstyp, Ende, Gebote, Dauer };
    static constexpr int FieldCount = 12;
    static const QStringList &listFields();

    // Uses the login context's program directory unless another is given.
    explicit ListStore(QString programDir = {});

    void open();

    // Runs statement with "##FIELD##" replaced by the backticked field names and returns
    // every row's values in field order.
    FieldRows SelectFieldRows(const QString &statement, const QStringList &fields, const QVariantMap &values = {});

    int countListings(int userID, int listKind);
    // The rows of one list in its order: by end for downloaded lists, by title otherwise.
    FieldRows listRows(int userID, int listKind);
    FieldRows listingRow(int userID, int listingId);
    // The newest listing of the account (the one the editor has just saved).
    int newestListingId(int userID);
    // user.lastupdate of the account; no value when the account has no row.
    std::optional<QString> lastUpdate(const QString &usern, int aukid);

    static QString listStatement(int listKind);

private:
    Database m_db;
};
