#include "core/LoginContext.h"
#include "exchange/HttpClient.h"
#include "exchange/MasterDataLoader.h"
#include "tests/exchange/run/RecordingProgress.h"
#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/Statement.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempProgramDir.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <gtest/gtest.h>

namespace {

constexpr int House = 11;
constexpr int OtherHouse = 12;
const QByteArray MasterDataPath = "/api/XMLDaten.php";
const QString XmlError = QStringLiteral("XML-Error bei der Datenübername!*");
const QString NotStored = QStringLiteral("FEHLER: Bei der Datenspeicherung");

const QStringList Tables = {"categories", "shop_einstelldauer", "einstelldauer", "einstellgebuehr",
                            "zusatz_preis", "zahlungsmethoden", "land"};

// <daten> with the given records, each written as <name><field>value</field>...</name>.
class Reply {
public:
    Reply &record(const QByteArray &name, const QList<QPair<QByteArray, QByteArray>> &fields)
    {
        m_xml += "<" + name + ">";
        for (const auto &field : fields)
            m_xml += "<" + field.first + ">" + field.second + "</" + field.first + ">";
        m_xml += "</" + name + ">\n";
        return *this;
    }
    Reply &everySection()
    {
        return record("kategorien", {{"id", "007"}, {"name", "B\xFC" "cher"}, {"pid", "0"}})
            .record("kategorien", {{"id", "8"}, {"name", "Romane"}, {"pid", "007"}})
            .record("einstelldauer_shop", {{"tage", "30"}, {"bez", "30 Tage"}})
            .record("einstelldauer", {{"bez", "7 Tage"}, {"tage", "7"}})
            .record("einstelldauer", {{"tage", "10"}, {"bez", "10 Tage"}})
            .record("einstellgebuehr", {{"id", "1"}, {"min", "0"}, {"max", "9.99"}, {"preis", "0.25"}})
            .record("preise", {{"id", "fett"}, {"name", "Fettschrift"}, {"preis", "0,50"}})
            .record("zahlmethoden", {{"id", "3"}, {"name", "Vorkasse"}})
            .record("laender", {{"id", "1"}, {"name", "Deutschland"}})
            .record("laender", {{"id", "2"}, {"name", "\xD6sterreich"}});
    }
    Reply &catno(const QByteArray &number) { return record("catno", {{"id", number}}); }
    QByteArray xml() const { return "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<daten>\n" + m_xml + "</daten>"; }

private:
    QByteArray m_xml;
};

class MasterDataLoaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_db.open();
        m_session.house.aukid = House;
        m_session.house.url = m_server.baseUrl();
        m_loader.setUid("4711");
        m_client.setStallTimeout(1000);
        for (int house : {House, OtherHouse})
            seedOldRows(house);
        setCatalogueNumber(House, "41");
    }

    void seedOldRows(int house)
    {
        const QVariantMap values = {{":h", house}};
        Statement::run(m_db, "INSERT INTO categories VALUES ('1', 'alt', '0', :h)", values);
        Statement::run(m_db, "INSERT INTO categories VALUES ('2', 'alt2', '1', :h)", values);
        Statement::run(m_db, "INSERT INTO shop_einstelldauer VALUES (90, 'alt', :h)", values);
        Statement::run(m_db, "INSERT INTO einstelldauer VALUES (5, 'alt', :h)", values);
        Statement::run(m_db, "INSERT INTO einstellgebuehr VALUES (9, '0', '1', '2', :h)", values);
        Statement::run(m_db, "INSERT INTO zusatz_preis VALUES ('alt', 'alt', '1', :h)", values);
        Statement::run(m_db, "INSERT INTO zahlungsmethoden VALUES (9, 'alt', :h)", values);
        Statement::run(m_db, "INSERT INTO land VALUES (9, 'alt', :h)", values);
    }

    void setCatalogueNumber(int house, const QVariant &number)
    {
        Statement::run(m_db, "UPDATE auktionshaus SET catno=:n WHERE id=:h", {{":n", number}, {":h", house}});
    }

    QString catalogueNumber(int house = House)
    {
        return Statement::scalar(m_db, "SELECT catno FROM auktionshaus WHERE id=:h", {{":h", house}}).toString();
    }

    // The rows of a table for a house as "a|b|c" texts, in insertion order.
    QStringList rows(const QString &table, int house = House)
    {
        QSqlQuery raw(m_db.connection());
        raw.prepare("SELECT * FROM `" + table + "` WHERE aukid=:h ORDER BY rowid");
        raw.bindValue(":h", house);
        raw.exec();
        QStringList result;
        while (raw.next()) {
            QStringList values;
            for (int i = 0; i < raw.record().count(); ++i)
                values << raw.value(i).toString();
            result << values.join('|');
        }
        return result;
    }

    QMap<QString, QStringList> allRows(int house)
    {
        QMap<QString, QStringList> result;
        for (const QString &table : Tables)
            result.insert(table, rows(table, house));
        return result;
    }

    void serve(const QByteArray &xml) { m_server.reply(MasterDataPath, xml); }

    ScriptedPrompter m_prompts;
    TempProgramDir m_dir;
    Database m_db;
    LocalHttpServer m_server;
    HttpClient m_client{HttpClient::Kind::ExchangeWindow};
    AccountSession m_session = loginContext().session();
    RecordingProgress m_progress;
    MasterDataLoader m_loader{m_client, m_db, m_session, m_progress};
    QStringList &m_runLog = m_progress.runLog;
    QStringList &m_status = m_progress.statuses;
};

} // namespace

TEST_F(MasterDataLoaderTest, RequestCarriesCatalogueNumberHouseAndUserId)
{
    serve(Reply().xml());
    m_loader.load();
    EXPECT_EQ(m_server.lastRequest().target, QByteArray("/api/XMLDaten.php?catno=41&aukID=11&uid=4711"));
    EXPECT_EQ(m_runLog, QStringList({m_server.url("/api/XMLDaten.php?catno=41&aukID=11&uid=4711")}));
    EXPECT_EQ(m_status, QStringList({"Lade die allgemeinen Auktionsdaten"}));
    EXPECT_FALSE(m_loader.closeWindowAfterRun());
}

TEST_F(MasterDataLoaderTest, HouseWithoutRowSendsAnEmptyCatalogueNumber)
{
    m_session.house.aukid = 99;
    serve(Reply().xml());
    m_loader.load();
    EXPECT_EQ(m_server.lastRequest().target, QByteArray("/api/XMLDaten.php?catno=&aukID=99&uid=4711"));
}

TEST_F(MasterDataLoaderTest, FullReplyReplacesEverySectionOfTheHouseOnly)
{
    const QMap<QString, QStringList> otherHouse = allRows(OtherHouse);
    serve(Reply().everySection().catno("42").xml());
    m_loader.load();

    EXPECT_EQ(rows("categories"), QStringList({QStringLiteral("007|Bücher|0|11"), "8|Romane|007|11"}));
    EXPECT_EQ(rows("shop_einstelldauer"), QStringList({"30|30 Tage|11"}));
    EXPECT_EQ(rows("einstelldauer"), QStringList({"7|7 Tage|11", "10|10 Tage|11"}));
    EXPECT_EQ(rows("einstellgebuehr"), QStringList({"1|0|9.99|0.25|11"}));
    EXPECT_EQ(rows("zusatz_preis"), QStringList({"fett|Fettschrift|0,50|11"}));
    EXPECT_EQ(rows("zahlungsmethoden"), QStringList({"3|Vorkasse|11"}));
    EXPECT_EQ(rows("land"), QStringList({"1|Deutschland|11", QStringLiteral("2|Österreich|11")}));
    EXPECT_EQ(catalogueNumber(), QStringLiteral("42"));
    EXPECT_EQ(allRows(OtherHouse), otherHouse);
    EXPECT_EQ(catalogueNumber(OtherHouse), QStringLiteral("0"));
}

TEST_F(MasterDataLoaderTest, SectionsLeftOutKeepTheirRows)
{
    const QMap<QString, QStringList> before = allRows(House);
    serve(Reply().record("kategorien", {{"id", "5"}, {"name", "Neu"}, {"pid", "0"}}).xml());
    m_loader.load();
    QMap<QString, QStringList> expected = before;
    expected["categories"] = QStringList({"5|Neu|0|11"});
    EXPECT_EQ(allRows(House), expected);
    EXPECT_EQ(catalogueNumber(), QStringLiteral("41")) << "no catno record keeps the number";
}

TEST_F(MasterDataLoaderTest, ReplyWithOnlyACatalogueNumberChangesNothingElse)
{
    const QMap<QString, QStringList> before = allRows(House);
    serve(Reply().catno("43").catno("44").xml());
    m_loader.load();
    EXPECT_EQ(allRows(House), before);
    EXPECT_EQ(catalogueNumber(), QStringLiteral("43"));

    m_loader.load();
    EXPECT_EQ(m_server.lastRequest().queryValue("catno"), QByteArray("43"));
}

TEST_F(MasterDataLoaderTest, UnreadableReplyShowsTheXmlErrorOncePerKindAndChangesNothing)
{
    const QMap<QString, QStringList> before = allRows(House);
    serve("<html><body>Wartungsarbeiten</body>");
    ScriptedPrompter &prompts = m_prompts;
    for (int kind = 0; kind < 8; ++kind)
        prompts.expectMessage(XmlError);
    m_loader.load();
    prompts.verify();
    EXPECT_EQ(allRows(House), before);
    EXPECT_EQ(catalogueNumber(), QStringLiteral("41"));
    EXPECT_FALSE(m_loader.closeWindowAfterRun());
}

TEST_F(MasterDataLoaderTest, NoConnectionShowsTheMessageAndMarksTheWindowToClose)
{
    struct Case {
        const char *name;
        bool stall;
        const char *message;
    };
    const Case cases[] = {
        {"refused", false, "Es besteht keine Verbindung zum Server! Bitte überprüfen Sie Ihre Internetverbindung! "
                           "Meldung:Verbindung zum Server nicht möglich*"},
        {"stalled", true, "Es besteht keine Verbindung zum Server! Bitte überprüfen Sie Ihre Internetverbindung! "
                          "Meldung:Zeitüberschreitung*"},
    };
    const QMap<QString, QStringList> before = allRows(House);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        if (c.stall) {
            m_session.house.url = m_server.baseUrl();
            m_server.stall(MasterDataPath);
        } else {
            m_session.house.url = QStringLiteral("http://127.0.0.1:%1").arg(LocalHttpServer::closedPort());
        }
        MasterDataLoader loader(m_client, m_db, m_session, m_progress);
        ScriptedPrompter &prompts = m_prompts;
        prompts.expectMessage(QString::fromUtf8(c.message));
        loader.load();
        prompts.verify();
        EXPECT_TRUE(loader.closeWindowAfterRun());
        EXPECT_EQ(allRows(House), before);
        EXPECT_EQ(catalogueNumber(), QStringLiteral("41"));
    }
    EXPECT_TRUE(m_runLog.isEmpty());
}

TEST_F(MasterDataLoaderTest, SectionThatCannotBeStoredKeepsItsOldRowsAndTheCatalogueNumber)
{
    Statement::run(m_db, "CREATE TRIGGER refuse_durations BEFORE INSERT ON einstelldauer "
                         "BEGIN SELECT RAISE(IGNORE); END");
    const QStringList oldDurations = rows("einstelldauer");
    serve(Reply().everySection().catno("42").xml());
    ScriptedPrompter &prompts = m_prompts;
    prompts.expectMessage(NotStored);
    m_loader.load();
    prompts.verify();
    EXPECT_EQ(rows("einstelldauer"), oldDurations);
    EXPECT_EQ(rows("land").size(), 2) << "the later sections are still replaced";
    EXPECT_EQ(rows("shop_einstelldauer"), QStringList({"30|30 Tage|11"}));
    // The server would leave the section out next time if the number moved on.
    EXPECT_EQ(catalogueNumber(), QStringLiteral("41"));
}

TEST_F(MasterDataLoaderTest, DatabaseErrorEndsTheStepAndTheFailingSectionKeepsItsRows)
{
    Statement::run(m_db, "CREATE TRIGGER broken_payments BEFORE INSERT ON zahlungsmethoden "
                         "BEGIN SELECT RAISE(ABORT, 'Datenbank kaputt'); END");
    const QStringList oldPayments = rows("zahlungsmethoden");
    const QStringList oldCountries = rows("land");
    serve(Reply().everySection().catno("42").xml());
    try {
        m_loader.load();
        ADD_FAILURE() << "the database error must reach the run";
    } catch (const DatabaseError &error) {
        EXPECT_TRUE(error.text().contains("Datenbank kaputt")) << error.text().toStdString();
    }
    EXPECT_EQ(rows("zahlungsmethoden"), oldPayments);
    EXPECT_EQ(rows("land"), oldCountries);
    EXPECT_EQ(rows("categories").size(), 2) << "sections before the failure stay replaced";
    EXPECT_EQ(catalogueNumber(), QStringLiteral("41"));
}
