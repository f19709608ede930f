#pragma once

#include "exchange/array_Datenfelder.h"
#include "store/ColumnSpec.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class Database;
class ExchangeProgress;
class HttpClient;
class XmlRecordParser;
struct AccountSession;

// Downloads the current auction house's master data (categories, durations, fees, extra
// prices, payment methods, countries) in one request and replaces each section that the
// reply carries; a section the reply leaves out keeps its rows. Each section is replaced
// in a transaction of its own, so a section that cannot be stored keeps its old rows.
// The exchange window owns one, with its HTTP client and database connection.
class MasterDataLoader {
public:
    struct Section {
        QString recordName;
        QStringList fieldNames;
        QString table;
        ColumnSpecs columns;
    };

    // The session's user id is sent with the request unless setUid gives another.
    MasterDataLoader(HttpClient &client, Database &db, const AccountSession &session, ExchangeProgress &progress);

    // The user's id at the auction house, sent with the request.
    void setUid(const QString &uid) { m_uid = uid; }

    // The whole step: read the stored catalogue number, request, store.
    void load();
    // Stores a reply already received (the part of load() after the request).
    void importReply(const QByteArray &reply);

    // True once the request could not be made: the exchange window closes after the run.
    bool closeWindowAfterRun() const { return m_closeWindow; }

    QString requestUrl() const;
    static const QList<Section> &sections();

private:
    QString storedCatalogueNumber() const;
    void reportError(const QString &text);
    // False when the section's rows could not be stored.
    bool importSection(const Section &section, const XmlRecordParser &parser);
    bool replaceSection(const Section &section, const array_Datenfelder &records);
    void storeCatalogueNumber(const XmlRecordParser &parser);

    HttpClient &m_client;
    Database &m_db;
    const AccountSession &m_session;
    ExchangeProgress &m_progress;
    QString m_uid;
    bool m_closeWindow = false;
};
