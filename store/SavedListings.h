#pragma once

#include "store/Database.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

// The listings the editor writes into table auktionen: one row inserted or updated as a
// whole, every value bound.
class SavedListings {
public:
    struct Row {
        int userID = 0;
        int artliste = 3;
        QString titel;
        QString beschreibung;
        std::array<QString, 3> pics;
        int kategorie = 0;
        double startpreis = 0;
        int dauer = 0;
        QString ort;
        QString plz;
        int versandtrager = 0;
        QString zahlungsmethode;
        int versand_int = 0;
        int fett = 0;
        int marker = 0;
        int topkat = 0;
        int zustand = 0;
        QString artnr;
        double sofortkaufpreis = 0;
        double versandkosten = 0;
        double versandkostenoption = 0;
        QString versandoption;
        int anzahl = 1;
        int galerie = 0;
        int startseite = 0;
        double minpreis = 0;
        int auktionstyp = 1;
        int wiederholung = 0;
        QString land;
        QString aukID;
        int fsk = 0;
        int mwst = 0;
    };

    explicit SavedListings(QString programDir);

    // The id the next inserted row will get.
    int nextId();
    // The picture names the row holds now; empty names where it has none or no such row.
    std::array<QString, 3> pictureNames(int id, const QString &aukID);
    // Inserts the row, or updates the row with this id and auction house, in one
    // transaction; beforeCommit runs inside it, and its failure undoes the statement.
    // Returns the id of the row written.
    int insert(const Row &row, const std::function<void()> &beforeCommit = {});
    int update(int id, const Row &row, const std::function<void()> &beforeCommit = {});
    // The stored row with this id at the auction house, if there is one.
    std::optional<Row> load(int id, const QString &aukID);
    // The listings of the account imported from a CSV file and not yet checked, in id order.
    std::vector<int> importedIds(int userID, int aukid);
    // Whether any listing still names the picture.
    bool pictureInUse(const QString &name);

private:
    Database m_db;
};
