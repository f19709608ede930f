#pragma once

#include "store/ColumnSpec.h"

#include <QList>
#include <QString>
#include <QStringList>

class Database;

// The master data of one auction house (categories, durations, fees, extra prices,
// payment methods, countries) and the catalogue number of what is stored, on the caller's
// connection.
class MasterData {
public:
    MasterData(Database &db, int aukid);

    // The catalogue number stored with the auction house; empty when there is none.
    QString catalogueNumber();
    void storeCatalogueNumber(const QString &number);
    // Replaces the auction house's rows of a table in a transaction of its own; false (with
    // the old rows kept) when the records could not be stored.
    bool replaceSection(const QString &table, const QList<QStringList> &records, const ColumnSpecs &columns);

private:
    Database &m_db;
    int m_aukid;
};
