// The auction-house server over real HTTP on 127.0.0.1, driven with httplib's client.

#include "tools/auction-house-server/AuctionHouseServer.h"
#include "tools/auction-house-server/ServerClock.h"

#include <httplib.h>
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <array>
#include <future>
#include <thread>

namespace {

using Fault = AuctionHouseServer::Fault;
using Record = QMap<QString, QString>;

// Windows-1252 text from and to the wire.
QString fromWire(const std::string &bytes)
{
    static const std::array<char16_t, 32> high = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(b >= 0x80 && b < 0xA0 ? QChar(high[b - 0x80]) : QChar(b));
    }
    return text;
}

std::string toWire(const QString &text)
{
    std::string out;
    for (const QChar ch : text)
        out.push_back(ch.unicode() == 0x20AC ? char(0x80) : char(ch.unicode() & 0xFF));
    return out;
}

// The program's UrlEncode: letters and digits stay, a blank is %20, every
// other byte %XX.
std::string urlEncode(const QString &text)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : toWire(text)) {
        const auto b = static_cast<unsigned char>(c);
        if (std::isalnum(b) && b < 0x80)
            out.push_back(char(b));
        else if (b == ' ')
            out += "%20";
        else {
            out.push_back('%');
            out.push_back(hex[b >> 4]);
            out.push_back(hex[b & 15]);
        }
    }
    return out;
}

// The records of one kind directly under the root, each as child name -> text.
QList<Record> records(const std::string &body, const QString &name, QString *error = nullptr)
{
    QXmlStreamReader xml(fromWire(body));
    QList<Record> result;
    if (xml.readNextStartElement()) {
        while (xml.readNextStartElement()) {
            if (xml.name() != name) {
                xml.skipCurrentElement();
                continue;
            }
            Record current;
            while (xml.readNextStartElement()) {
                const QString child = xml.name().toString();
                current[child] = xml.readElementText();
            }
            result.append(current);
        }
    }
    if (error)
        *error = xml.hasError() ? xml.errorString() : QString();
    return result;
}

class AuctionHouseServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        server = std::make_unique<AuctionHouseServer>(AuctionHouseServer::Options{dir.path(), {}});
        port = server->start();
        ASSERT_GT(port, 0);
    }

    std::unique_ptr<httplib::Client> client(int readTimeoutSeconds = 5) const
    {
        auto c = std::make_unique<httplib::Client>("127.0.0.1", port);
        c->set_url_encode(false);
        c->set_read_timeout(readTimeoutSeconds, 0);
        c->set_connection_timeout(2, 0);
        return c;
    }

    httplib::Result get(const std::string &path) const { return client()->Get(path.c_str()); }

    httplib::Result post(const std::string &path, const std::string &body) const
    {
        return client()->Post(path.c_str(), body, "application/x-www-form-urlencoded");
    }

    std::string listingsPath(const QString &user, const QString &pass, int list, int page = 0,
                             const QString &lastUpdate = QStringLiteral("01.01.1991"), int days = 60,
                             int aukId = 11) const
    {
        QString stamp = lastUpdate;
        return "/api/XMLAuctions.php?user=" + urlEncode(user) + "&pass=" + urlEncode(pass)
            + "&aukID=" + std::to_string(aukId) + "&ShowAuktions=" + std::to_string(list) + "&no="
            + std::to_string(page) + "&LastDate=" + std::to_string(days) + "&LastUpdate="
            + toWire(stamp.replace(QLatin1Char(' '), QLatin1String("%20")));
    }

    QList<Record> listings(const QString &user, const QString &pass, int list, int page = 0,
                           const QString &lastUpdate = QStringLiteral("01.01.1991"), int days = 60,
                           int aukId = 11, int *max = nullptr) const
    {
        const auto res = get(listingsPath(user, pass, list, page, lastUpdate, days, aukId));
        EXPECT_TRUE(res);
        if (!res)
            return {};
        EXPECT_EQ(res->status, 200);
        if (max) {
            const QList<Record> pages = records(res->body, QStringLiteral("pages"));
            EXPECT_EQ(pages.size(), 1);
            *max = pages.value(0).value(QStringLiteral("max"), QStringLiteral("-1")).toInt();
        }
        return records(res->body, QStringLiteral("auktionen"));
    }

    // The 33 fields of a listing upload in the program's order.
    std::string uploadBody(const QMap<QString, QString> &changes = {}, const QString &user = QStringLiteral("demo"),
                           const QString &password = QStringLiteral("demo1234"), bool encodeCredentials = true) const
    {
        QList<QPair<QString, QString>> fields = {
            {"titel", "Kaffeemühle aus Messing & Holz"}, {"description", "<p>Schöne <b>alte</b> Mühle</p>"},
            {"category", "5"}, {"minimum_bid", "12,5"}, {"duration", "7"}, {"location", "Köln"},
            {"location_zip", "50667"}, {"location_land", "Deutschland"}, {"shipping", "1"},
            {"payment", "Überweisung,PayPal"}, {"international", "0"}, {"menge", "1"}, {"fett", "1"},
            {"marker", "0"}, {"topkat", "0"}, {"zustand", "2"}, {"artnr", "A-17"}, {"buynow", "0"},
            {"versand", "4,9"}, {"versandoption", "DHL Päckchen (Inland)"}, {"versandkostenoption", "0"},
            {"auktyp", "1"}, {"wiedereinstellen", "0"}, {"galerie", "0"}, {"fsk", "0"}, {"mwst", "0"},
            {"startseite", "0"}, {"minpreis", "0"}, {"bilder", "2"}};
        std::string body;
        for (const auto &f : fields) {
            const QString value = changes.value(f.first, f.second);
            if (value != QLatin1String("<absent>"))
                body += toWire(f.first) + "=" + urlEncode(value) + "&";
        }
        body += "sprache=DE&";
        if (changes.value(QStringLiteral("schluessel")) != QLatin1String("<absent>"))
            body += "schluessel=1&";
        body += "benutzername=" + (encodeCredentials ? urlEncode(user) : toWire(user)) + "&";
        body += "passwort=" + (encodeCredentials ? urlEncode(password) : toWire(password)) + "&";
        return body;
    }

    std::string upload(const std::string &body, const char *path = "/asend.php") const
    {
        const auto res = post(path, body);
        EXPECT_TRUE(res);
        return res ? res->body : std::string("<no reply>");
    }

    std::string picturePath(int id, const QString &user = QStringLiteral("demo"),
                            const QString &password = QStringLiteral("demo1234")) const
    {
        return "/api/abild.php?auktionid=" + std::to_string(id) + "&schluessel=1&benutzername=" + urlEncode(user)
            + "&passwort=" + urlEncode(password) + "&auktyp=1";
    }

    QTemporaryDir dir;
    std::unique_ptr<AuctionHouseServer> server;
    quint16 port = 0;
};

Record byId(const QList<Record> &list, int id)
{
    for (const Record &r : list) {
        if (r.value(QStringLiteral("id")) == QString::number(id))
            return r;
    }
    return {};
}

} // namespace

TEST_F(AuctionHouseServerTest, DemoSeedIsRealisticAndQuick)
{
    QTemporaryDir other;
    QElapsedTimer timer;
    timer.start();
    AuctionHouseServer fresh(AuctionHouseServer::Options{other.path(), {}});
    EXPECT_LT(timer.elapsed(), 2000);

    const auto res = get("/api/XMLDaten.php?catno=&aukID=11&uid=4711");
    ASSERT_TRUE(res);
    const QList<Record> categories = records(res->body, QStringLiteral("kategorien"));
    EXPECT_GE(categories.size(), 2000);
    QHash<QString, QString> parent;
    for (const Record &c : categories)
        parent[c.value("id")] = c.value("pid");
    int deepest = 0;
    for (const Record &c : categories) {
        int depth = 1;
        for (QString p = c.value("pid"); p != QLatin1String("0") && depth < 10; p = parent.value(p))
            ++depth;
        deepest = std::max(deepest, depth);
    }
    EXPECT_EQ(deepest, 6);
    EXPECT_EQ(categories.first().value("name"), QStringLiteral("Antiquitäten & Kunst"));

    for (int list = 0; list < 3; ++list) {
        const QList<Record> demo = listings("demo", "demo1234", list);
        EXPECT_GE(demo.size(), 5) << "list " << list;
        bool withPicture = false;
        for (const Record &r : demo) {
            EXPECT_EQ(r.size(), 62);
            withPicture = withPicture || r.value("pic1") != QLatin1String("0");
        }
        EXPECT_TRUE(withPicture);
    }
}

TEST_F(AuctionHouseServerTest, AccountCheckAnswersNineFieldsOrError)
{
    const std::string check = "&checksum=wbna61kqy4083mtrge716";
    auto res = get("/api/cuser.php?user=demo&pass=demo1234" + check);
    ASSERT_TRUE(res);
    EXPECT_EQ(fromWire(res->body),
              QStringLiteral("4711||Erika Mustermann|Heidestraße 17|51147|Köln|Deutschland|0221 4711815|demo@morvelia.example"));

    // An encoded name with umlaut and blanks; the password encoded or as typed.
    const QString uid = server->addAccount(QStringLiteral("Müller & Co"), QStringLiteral("pa%ss=1"));
    for (const std::string &pass : {urlEncode("pa%ss=1"), std::string("pa%ss=1")}) {
        res = get("/api/cuser.php?user=" + urlEncode("Müller & Co") + "&pass=" + pass + check);
        ASSERT_TRUE(res);
        const QStringList fields = fromWire(res->body).split(QLatin1Char('|'));
        ASSERT_EQ(fields.size(), 9) << res->body;
        EXPECT_EQ(fields[0], uid);
    }

    for (const std::string &bad : {"/api/cuser.php?user=demo&pass=demo12345" + check,
                                  "/api/cuser.php?user=nobody&pass=demo1234" + check,
                                  std::string("/api/cuser.php?user=demo&pass=demo1234&checksum=x")}) {
        res = get(bad);
        ASSERT_TRUE(res);
        EXPECT_NE(res->body.find("error"), std::string::npos) << bad;
    }
}

TEST_F(AuctionHouseServerTest, MasterDataFullForUnknownCatnoPartialForCurrent)
{
    const QStringList sections = {"kategorien", "einstelldauer_shop", "einstelldauer", "einstellgebuehr",
                                  "preise", "zahlmethoden", "laender"};
    const int catno = server->catalogueNumber();
    for (const std::string &unknown : {std::string(""), std::string("0"), std::string("abc"), std::to_string(catno + 5)}) {
        const auto res = get("/api/XMLDaten.php?catno=" + unknown + "&aukID=11&uid=4711");
        ASSERT_TRUE(res);
        for (const QString &s : sections)
            EXPECT_FALSE(records(res->body, s).isEmpty()) << s.toStdString() << " for catno " << unknown;
        EXPECT_EQ(records(res->body, "catno").value(0).value("id"), QString::number(catno));
    }
    const QList<Record> fees = records(get("/api/XMLDaten.php?catno=0&aukID=11&uid=1")->body, "einstellgebuehr");
    EXPECT_EQ(fees.first(), (Record{{"id", "1"}, {"min", "1,00"}, {"max", "9,99"}, {"preis", "0,10"}}));

    // Current: nothing but the number.
    auto res = get("/api/XMLDaten.php?catno=" + std::to_string(catno) + "&aukID=11&uid=4711");
    ASSERT_TRUE(res);
    for (const QString &s : sections)
        EXPECT_TRUE(records(res->body, s).isEmpty()) << s.toStdString();
    EXPECT_EQ(records(res->body, "catno").value(0).value("id"), QString::number(catno));

    // A change of the payment methods: a client at the old number gets that section only.
    const int next = server->touchMasterData("zahlmethoden");
    EXPECT_EQ(next, catno + 1);
    res = get("/api/XMLDaten.php?catno=" + std::to_string(catno) + "&aukID=11&uid=4711");
    ASSERT_TRUE(res);
    EXPECT_EQ(records(res->body, "zahlmethoden").size(), 8);
    EXPECT_TRUE(records(res->body, "kategorien").isEmpty());
    EXPECT_EQ(records(res->body, "catno").value(0).value("id"), QString::number(next));

    server->addCategory("9001", "Neue Kategorie", "0");
    res = get("/api/XMLDaten.php?catno=" + std::to_string(next) + "&aukID=11&uid=4711");
    const QList<Record> categories = records(res->body, "kategorien");
    EXPECT_GE(categories.size(), 2001);
    EXPECT_EQ(categories.last().value("name"), QStringLiteral("Neue Kategorie"));
    EXPECT_TRUE(records(res->body, "zahlmethoden").isEmpty());
}

TEST_F(AuctionHouseServerTest, ListingsArePagedAndFiltered)
{
    server->addAccount("seller", "geheim");
    const QList<int> ids = server->addListings("seller", 0, "Artikel", 450);
    ASSERT_EQ(ids.size(), 450);

    int max = -1;
    QList<Record> page = listings("seller", "geheim", 0, 0, "01.01.1991", 60, 11, &max);
    EXPECT_EQ(max, 2);
    ASSERT_EQ(page.size(), 200);
    EXPECT_EQ(page.first().value("id"), QString::number(ids.first()));
    EXPECT_EQ(page.first().size(), 62);
    EXPECT_EQ(listings("seller", "geheim", 0, 1).size(), 200);
    EXPECT_EQ(listings("seller", "geheim", 0, 2).last().value("id"), QString::number(ids.last()));
    EXPECT_EQ(listings("seller", "geheim", 0, 2).size(), 50);
    EXPECT_TRUE(listings("seller", "geheim", 0, 3).isEmpty());
    EXPECT_TRUE(listings("seller", "geheim", 1, 0, "01.01.1991", 60, 11, &max).isEmpty());
    EXPECT_EQ(max, 0);

    // Values in wire form; sold and unsold lists; the day count limits the ended lists.
    const int sold = server->addListing("seller", 1, "Spieluhr für 12,50 €",
                                        {{"startpreis", "12.5"}, {"gebote", "3"}, {"gebotspreis", "17,25"},
                                         {"ende", "now-2d"}},
                                        1);
    const int old = server->addListing("seller", 2, "Alter Ladenhüter", {{"ende", "now-90d"}});
    const Record r = byId(listings("seller", "geheim", 1), sold);
    EXPECT_EQ(r.value("titel"), QStringLiteral("Spieluhr für 12,50 €"));
    EXPECT_EQ(r.value("startpreis"), "12,50");
    EXPECT_EQ(r.value("gebotspreis"), "17,25");
    EXPECT_EQ(r.value("gebote"), "3");
    EXPECT_EQ(r.value("pic1"), server->receivedPictures(sold).value(0));
    EXPECT_EQ(r.value("pic2"), "0");
    EXPECT_EQ(QDateTime::fromString(r.value("ende"), "yyyy-MM-dd HH:mm:ss").daysTo(QDateTime::currentDateTime()), 2);
    EXPECT_TRUE(listings("seller", "geheim", 2, 0, "01.01.1991", 60).isEmpty());
    EXPECT_EQ(byId(listings("seller", "geheim", 2, 0, "01.01.1991", 120), old).value("titel"),
              QStringLiteral("Alter Ladenhüter"));

    // Only what changed since the last update, in the stamp forms clients write.
    const QDateTime later = QDateTime::currentDateTime().addSecs(60);
    for (const QString &stamp : {later.toString("dd.MM.yyyy HH:mm:ss"), later.toString("dd.MM.yy HH:mm:ss"),
                                 later.toString("yyyy-MM-dd HH:mm:ss")})
        EXPECT_TRUE(listings("seller", "geheim", 0, 0, stamp).isEmpty()) << stamp.toStdString();
    EXPECT_EQ(listings("seller", "geheim", 0, 0, "01.01.1990").size(), 200);
    // Two seconds later, without waiting for them.
    ServerClock::advance(2);
    const int fresh = server->addListing("seller", 0, "Ganz neu");
    const QList<Record> changed =
        listings("seller", "geheim", 0, 0, ServerClock::now().addSecs(-1).toString("dd.MM.yyyy HH:mm:ss"));
    ServerClock::reset();
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed.first().value("id"), QString::number(fresh));

    // Someone else's listings are not in the list; a wrong password is refused.
    EXPECT_TRUE(byId(listings("demo", "demo1234", 0), fresh).isEmpty());
    const auto res = get(listingsPath("seller", "falsch", 0));
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 403);
    EXPECT_NE(res->body.find("error"), std::string::npos);
    EXPECT_TRUE(records(res->body, "auktionen").isEmpty());
}

TEST_F(AuctionHouseServerTest, UploadAnswersIdOrMarker)
{
    const std::string id = upload(uploadBody());
    ASSERT_FALSE(id.empty());
    ASSERT_EQ(id.find("ERROR"), std::string::npos) << id;
    const Record r = byId(listings("demo", "demo1234", 0), std::stoi(id));
    EXPECT_EQ(r.value("titel"), QStringLiteral("Kaffeemühle aus Messing & Holz"));
    EXPECT_EQ(r.value("beschreibung"), QStringLiteral("<p>Schöne <b>alte</b> Mühle</p>"));
    EXPECT_EQ(r.value("startpreis"), "12,50");
    EXPECT_EQ(r.value("versandkosten"), "4,90");
    EXPECT_EQ(r.value("zahlungsmethode"), QStringLiteral("Überweisung,PayPal"));
    EXPECT_EQ(r.value("fett"), "1");
    EXPECT_EQ(r.value("dauer"), "7");
    EXPECT_EQ(r.value("pic1"), "0");
    const QDateTime start = QDateTime::fromString(r.value("start"), "yyyy-MM-dd HH:mm:ss");
    EXPECT_EQ(start.daysTo(QDateTime::fromString(r.value("ende"), "yyyy-MM-dd HH:mm:ss")), 7);

    // The typ 1 address and credentials as typed, with a password holding "&".
    server->addAccount("Händler Süd", "a&b=c");
    const std::string other = upload(uploadBody({}, "Händler Süd", "a&b=c", false), "/api/asend.php");
    EXPECT_EQ(other.find("ERROR"), std::string::npos) << other;
    EXPECT_EQ(server->listOf(std::stoi(other)), 0);

    server->addAccount("neu", "neu12345", true);
    EXPECT_EQ(upload(uploadBody({{"schluessel", "<absent>"}})), "ERROR1");
    EXPECT_EQ(upload(uploadBody({{"minimum_bid", "0,50"}})), "ERROR2");
    EXPECT_EQ(upload(uploadBody({{"category", "987654"}})), "ERROR3");
    EXPECT_EQ(upload(uploadBody({{"duration", "8"}})), "ERROR3");
    EXPECT_EQ(upload(uploadBody({{"titel", ""}})), "ERROR3");
    EXPECT_EQ(upload(uploadBody({{"minimum_bid", "zwölf"}})), "ERROR3");
    EXPECT_EQ(upload(uploadBody({}, "niemand", "x")), "ERROR4");
    EXPECT_EQ(upload(uploadBody({{"minimum_bid", "150000"}})), "ERROR5");
    EXPECT_EQ(upload(uploadBody({}, "demo", "demo12345")), "ERROR6");
    EXPECT_EQ(upload(uploadBody({}, "demo", "demo12345"), "/api/asend.php"), "ERROR6");
    EXPECT_EQ(upload(uploadBody({}, "neu", "neu12345")), "ERROR7");
    EXPECT_EQ(upload(uploadBody({}, "gesperrt", "gesperrt1")), "ERROR7");
    // A shop article takes a shop category and a shop duration.
    const std::string shop = upload(uploadBody({{"auktyp", "4"}, {"category", "301"}, {"duration", "90"}}));
    EXPECT_EQ(shop.find("ERROR"), std::string::npos) << shop;
}

TEST_F(AuctionHouseServerTest, PicturesAreStoredAndServedByBothRules)
{
    const int id = std::stoi(upload(uploadBody()));
    const QByteArray jpeg1 = server->pictureBytes(server->receivedPictures(100001).value(0));
    const QByteArray jpeg2 = server->pictureBytes(server->receivedPictures(100002).value(0));
    ASSERT_TRUE(jpeg1.startsWith("\xFF\xD8"));
    httplib::MultipartFormDataItems items = {{"bild1", jpeg1.toStdString(), "7_1.jpg", "image/jpeg"},
                                             {"bild2", jpeg2.toStdString(), "7_2.jpg", "image/jpeg"}};

    // Someone else's password: refused, nothing stored.
    auto res = client()->Post(picturePath(id, "demo", "falsch").c_str(), items);
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 403);
    EXPECT_TRUE(server->receivedPictures(id).isEmpty());
    res = client()->Post(picturePath(id).c_str(), httplib::MultipartFormDataItems{{"bild1", "GIF89a", "x.gif", "image/gif"}});
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 400);

    res = client()->Post(picturePath(id).c_str(), items);
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    const QStringList names = server->receivedPictures(id);
    ASSERT_EQ(names.size(), 2);

    // typ 0 (Morvelia): flat names through filedownload.php.
    const Record flat = byId(listings("demo", "demo1234", 0, 0, "01.01.1991", 60, 11), id);
    EXPECT_EQ(flat.value("pic1"), names[0]);
    EXPECT_EQ(flat.value("pic2"), names[1]);
    EXPECT_EQ(flat.value("pic3"), "0");
    res = get("/api/filedownload.php?datei=" + names[1].toStdString());
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    EXPECT_EQ(res->get_header_value("Content-Type"), "image/jpeg");
    EXPECT_EQ(QByteArray::fromStdString(res->body), jpeg2);

    // typ 1 (Karvento): the six-character folder, fetched under the base URL; the local
    // name without the seventh character is the flat name.
    const QString folderName = byId(listings("demo", "demo1234", 0, 0, "01.01.1991", 60, 12), id).value("pic1");
    ASSERT_EQ(folderName.size(), names[0].size() + 1);
    EXPECT_EQ(folderName.at(6), QLatin1Char('/'));
    EXPECT_EQ(QString(folderName).remove(6, 1), names[0]);
    res = get("/" + folderName.toStdString());
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    EXPECT_EQ(QByteArray::fromStdString(res->body), jpeg1);

    for (const char *missing : {"/api/filedownload.php?datei=../server.sqlite",
                                      "/api/filedownload.php?datei=abcdef999_1.jpg", "/abcdef/999_1.jpg"}) {
        res = get(missing);
        ASSERT_TRUE(res);
        EXPECT_EQ(res->status, 404) << missing;
    }
}

TEST_F(AuctionHouseServerTest, UpdateServerAnswersZeroOrFileName)
{
    auto check = [this](const char *version) {
        const auto res = get(std::string("/veltrano/version_check.php?soft=Morvelia&version=") + version);
        return res ? res->body : std::string("<no reply>");
    };
    EXPECT_EQ(check("13.111"), "0");
    server->setCurrentVersion("13.200", "veltrano_13200.exe");
    EXPECT_EQ(check("13.111"), "veltrano_13200.exe");
    EXPECT_EQ(check("13.200"), "0");
    EXPECT_EQ(check("14.1"), "0");

    auto res = get("/veltrano/Morvelia/veltrano_13200.exe");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    EXPECT_FALSE(res->body.empty());
    ASSERT_TRUE(QDir(dir.path()).mkpath("updates/Morvelia"));
    QFile file(dir.filePath("updates/Morvelia/patch.bin"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("PATCH");
    file.close();
    res = get("/veltrano/Morvelia/patch.bin");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->body, "PATCH");
    res = get("/veltrano/Morvelia/other.exe");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 404);
}

TEST_F(AuctionHouseServerTest, EndedListingsMoveBetweenLists)
{
    const int a = server->addListing("demo", 0, "Wird verkauft", {{"startpreis", "20"}});
    const int b = server->addListing("demo", 0, "Bleibt liegen");
    const int due = server->addListing("demo", 0, "Schon abgelaufen", {{"ende", "now-1m"}});

    auto res = post("/admin/end?id=" + std::to_string(a) + "&sold=1", "");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    EXPECT_TRUE(server->endListing(b, false));
    EXPECT_FALSE(server->endListing(b, true));
    res = post("/admin/end?id=" + std::to_string(b) + "&sold=1", "");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 404);

    const QList<Record> running = listings("demo", "demo1234", 0);
    EXPECT_TRUE(byId(running, a).isEmpty());
    EXPECT_TRUE(byId(running, due).isEmpty());
    const Record sold = byId(listings("demo", "demo1234", 1), a);
    EXPECT_EQ(sold.value("gebote"), "1");
    EXPECT_EQ(sold.value("gebotspreis"), "20,00");
    EXPECT_LE(QDateTime::fromString(sold.value("ende"), "yyyy-MM-dd HH:mm:ss"), QDateTime::currentDateTime());
    const QList<Record> unsold = listings("demo", "demo1234", 2);
    EXPECT_FALSE(byId(unsold, b).isEmpty());
    EXPECT_FALSE(byId(unsold, due).isEmpty());
}

TEST_F(AuctionHouseServerTest, CommandLineEndsListings)
{
    const int id = server->addListing("demo", 0, "Per Kommandozeile");
    QProcess process;
    process.start(QStringLiteral(AUCTION_HOUSE_SERVER_EXE),
                  {"--data", dir.path(), "--end", QString::number(id), "--sold"});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(server->listOf(id), 1);
    process.start(QStringLiteral(AUCTION_HOUSE_SERVER_EXE), {"--data", dir.path(), "--end", QString::number(id), "--unsold"});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 1);
}

TEST_F(AuctionHouseServerTest, FaultSwitches)
{
    const std::string path = "/api/XMLDaten.php?catno=0&aukID=11&uid=4711";
    const std::string normal = get(path)->body;

    server->setFault("/api/XMLDaten.php", Fault::Refuse);
    auto res = get(path);
    EXPECT_FALSE(res);
    // Other paths are not touched.
    EXPECT_TRUE(get("/veltrano/version_check.php?soft=Morvelia&version=13.111"));

    server->setFault("/api/XMLDaten.php", Fault::DropMidReply);
    res = get(path);
    EXPECT_FALSE(res);
    EXPECT_EQ(res.error(), httplib::Error::Read);

    server->setFault("/api/XMLDaten.php", Fault::BrokenXml);
    res = get(path);
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    QString error;
    records(res->body, "kategorien", &error);
    EXPECT_FALSE(error.isEmpty());

    server->setFault("/api/XMLDaten.php", Fault::Marker, "ERROR7");
    res = get(path);
    ASSERT_TRUE(res);
    EXPECT_EQ(res->body, "ERROR7");

    server->setFault("/api/XMLDaten.php", Fault::Delay, "600");
    QElapsedTimer timer;
    timer.start();
    res = get(path);
    ASSERT_TRUE(res);
    EXPECT_GE(timer.elapsed(), 600);
    EXPECT_EQ(res->body, normal);

    server->setFault("/api/XMLDaten.php", Fault::Stall);
    timer.restart();
    res = client(1)->Get(path.c_str());
    EXPECT_FALSE(res);
    EXPECT_LT(timer.elapsed(), 3000);

    // Through the admin endpoint; a stalled request does not hold up stop().
    server->clearFaults();
    EXPECT_EQ(get(path)->body, normal);
    res = post("/admin/fault?path=/asend.php&kind=stall", "");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    auto stalled = std::async(std::launch::async, [this] {
        return bool(client(30)->Post("/asend.php", uploadBody(), "application/x-www-form-urlencoded"));
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_GE(server->requestCount("/asend.php"), 1);
    timer.restart();
    server->stop();
    EXPECT_LT(timer.elapsed(), 1500);
    ASSERT_EQ(stalled.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_FALSE(stalled.get());
    EXPECT_EQ(server->requestCount("/api/XMLDaten.php"), 8);

    // It starts again on the same port.
    EXPECT_EQ(server->start(port), port);
    server->setFault("/asend.php", Fault::None);
    EXPECT_EQ(upload(uploadBody({{"minimum_bid", "0,50"}})), "ERROR2");
}

TEST(AuctionHouseServerSeed, SeedFileReplacesTheDemo)
{
    QTemporaryDir dir;
    const QByteArray jpeg = [] {
        AuctionHouseServer demo(AuctionHouseServer::Options{});
        return demo.pictureBytes(demo.receivedPictures(100001).value(0));
    }();
    QFile picture(dir.filePath("lampe.jpg"));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.write(jpeg);
    picture.close();
    QFile seed(dir.filePath("seed.json"));
    ASSERT_TRUE(seed.open(QIODevice::WriteOnly));
    seed.write(R"({
        "catno": 7,
        "houses": [{"id": 11, "name": "Morvelia", "typ": 0}],
        "kategorien": [{"id": "1", "name": "Lampen", "pid": "0"}],
        "einstelldauer": [{"tage": 7, "bez": "7 Tage"}],
        "einstellgebuehr": "demo",
        "accounts": [{"user": "anna", "password": "a1", "name": "Anna Beispiel"}],
        "listings": [{"user": "anna", "list": 0, "titel": "Tischlampe", "kategorie": 1,
                      "startpreis": "15,00", "ende": "now+2d", "pictures": ["lampe.jpg"]}],
        "update": {"version": "13.200", "file": "update.exe"}
    })");
    seed.close();

    AuctionHouseServer server(AuctionHouseServer::Options{dir.filePath("data"), dir.filePath("seed.json")});
    EXPECT_EQ(server.catalogueNumber(), 7);
    server.start();
    httplib::Client client("127.0.0.1", server.port());
    auto res = client.Get("/api/XMLDaten.php?catno=0&aukID=11&uid=1");
    ASSERT_TRUE(res);
    EXPECT_EQ(records(res->body, "kategorien").size(), 1);
    EXPECT_EQ(records(res->body, "einstellgebuehr").size(), 6);
    EXPECT_TRUE(records(res->body, "laender").isEmpty());
    res = client.Get("/api/XMLAuctions.php?user=anna&pass=a1&aukID=11&ShowAuktions=0&no=0&LastDate=60&LastUpdate=01.01.1991");
    ASSERT_TRUE(res);
    const QList<Record> list = records(res->body, "auktionen");
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].value("titel"), "Tischlampe");
    EXPECT_EQ(server.pictureBytes(list[0].value("pic1")), jpeg);
    res = client.Get("/api/cuser.php?user=demo&pass=demo1234&checksum=wbna61kqy4083mtrge716");
    ASSERT_TRUE(res);
    EXPECT_NE(res->body.find("error"), std::string::npos);
    res = client.Get("/veltrano/version_check.php?soft=Morvelia&version=13.111");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->body, "update.exe");
}
