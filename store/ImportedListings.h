#pragma once

#include <QString>
#include <functional>
#include <vector>

class Database;

// The listings a CSV import adds to the transfer list (artliste 3, status 3). All rows of
// one import go in with one prepared statement in one transaction: all or nothing.
class ImportedListings {
public:
    struct Row {
        QString titel;
        QString beschreibung;
        int kategorie = 0;
        double startpreis = 0;
        int auktionstyp = 0;
        int dauer = 0;
        QString ort;
        QString plz;
        double sofortkaufpreis = 0;
        int zustand = 0;
        double versandkostenoption = 0;
        double versandkosten = 0;
        int anzahl = 0;
        QString zahlungsmethode;
        int versand_int = 0;
        int fett = 0;
        int marker = 0;
        int topkat = 0;
        int galerie = 0;
        int startseite = 0;
        QString pic1;
        QString pic2;
        QString pic3;
        int versandtrager = 0;
        int wiederholung = 0;
        int fsk = 0;
        QString artnr;
        QString versandoption;
        int mwst = 0;
    };

    // Called after each stored row with the number stored so far; false cancels the import.
    using KeepGoing = std::function<bool(int stored)>;

    // The database must be open.
    explicit ImportedListings(Database &db);

    // The id the first row of the next import receives.
    int nextId();
    // Stores the rows under the ids firstId, firstId + 1, ... so that pictures named
    // after those ids belong to their rows. Returns false when keepGoing cancelled (nothing
    // stored); raises DatabaseError (nothing stored) when a row cannot be stored.
    bool insertAll(int userID, int aukID, int firstId, const std::vector<Row> &rows, const KeepGoing &keepGoing);

private:
    Database &m_db;
};
