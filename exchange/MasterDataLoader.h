#pragma once

#include "exchange/array_Datenfelder.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

class Database;
class HttpClient;
class XmlRecordParser;

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
        array_Datenfelder columns;
    };

    using TextSink = std::function<void(const QString &)>;

    MasterDataLoader(HttpClient &client, Database &db);

    // The user's id at the auction house, sent with the request.
    void setUid(const QString &uid) { m_uid = uid; }
    void setStatusSink(TextSink sink) { m_status = std::move(sink); }
    void setRunLogSink(TextSink sink) { m_runLog = std::move(sink); }

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
    // False when the section's rows could not be stored.
    bool importSection(const Section &section, const XmlRecordParser &parser);
    bool replaceSection(const Section &section, const array_Datenfelder &records);
    void storeCatalogueNumber(const XmlRecordParser &parser);
    void report(const TextSink &sink, const QString &text) const;

    HttpClient &m_client;
    Database &m_db;
    QString m_uid;
    TextSink m_status;
    TextSink m_runLog;
    bool m_closeWindow = false;
};
