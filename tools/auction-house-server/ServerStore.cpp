#include "tools/auction-house-server/ServerStore.h"

#include "tools/auction-house-server/DemoSeed.h"
#include "tools/auction-house-server/ListingFields.h"
#include "tools/auction-house-server/ServerClock.h"
#include "tools/auction-house-server/Wire.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cmath>
#include <cstdio>

namespace {

using Kind = ListingFields::Kind;

constexpr int RecentCatalogues = 10;

QString sqlType(Kind kind)
{
    switch (kind) {
    case Kind::Int:
    case Kind::Flag:
        return QStringLiteral("INTEGER NOT NULL DEFAULT 0");
    case Kind::Amount:
        return QStringLiteral("REAL NOT NULL DEFAULT 0");
    case Kind::Text:
    case Kind::Stamp:
        return QStringLiteral("TEXT NOT NULL DEFAULT ''");
    }
    return QStringLiteral("TEXT");
}

QString quoted(const QString &name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

// No column takes NULL: a null text is bound as an empty one.
QVariant bindable(const QVariant &value)
{
    if (value.typeId() == QMetaType::QString && value.toString().isNull())
        return QString(QLatin1String(""));
    return value;
}

QSqlQuery exec(QSqlDatabase &db, const QString &sql, const QVariantList &binds = {})
{
    QSqlQuery query(db);
    if (!query.prepare(sql))
        throw ServerStore::Error(("SQL prepare failed: " + query.lastError().text() + " in " + sql).toStdString());
    for (const QVariant &value : binds)
        query.addBindValue(bindable(value));
    if (!query.exec())
        throw ServerStore::Error(("SQL failed: " + query.lastError().text() + " in " + sql).toStdString());
    return query;
}

QVariant scalar(QSqlDatabase &db, const QString &sql, const QVariantList &binds = {})
{
    QSqlQuery query = exec(db, sql, binds);
    return query.next() ? query.value(0) : QVariant();
}

// Commits at the end of a unit of work; rolls back when it is left by an exception.
class Transaction {
public:
    explicit Transaction(QSqlDatabase &db)
        : m_db(db)
    {
        if (!m_db.transaction())
            throw ServerStore::Error(("BEGIN failed: " + m_db.lastError().text()).toStdString());
    }
    ~Transaction()
    {
        if (!m_done)
            m_db.rollback();
    }
    void commit()
    {
        if (!m_db.commit())
            throw ServerStore::Error(("COMMIT failed: " + m_db.lastError().text()).toStdString());
        m_done = true;
    }

private:
    QSqlDatabase &m_db;
    bool m_done = false;
};

QString nowStamp()
{
    return Wire::formatStamp(ServerClock::now());
}

// "now", "now+3d", "now-2d5h", "now+90m", or an absolute "yyyy-MM-dd HH:mm:ss".
QDateTime seedStamp(const QString &text, const QDateTime &now)
{
    static const QRegularExpression relative(QStringLiteral("^now((?:\\s*[+-]?\\s*\\d+\\s*[dhms])*)$"));
    static const QRegularExpression term(QStringLiteral("([+-]?)\\s*(\\d+)\\s*([dhms])"));
    const QString t = text.trimmed();
    const QRegularExpressionMatch m = relative.match(t);
    if (!m.hasMatch())
        return Wire::parseStamp(t);
    QDateTime result = now;
    bool negative = false; // a term without a sign takes the one before it: "now-2d5h"
    auto it = term.globalMatch(m.captured(1));
    while (it.hasNext()) {
        const QRegularExpressionMatch part = it.next();
        if (!part.captured(1).isEmpty())
            negative = part.captured(1) == QLatin1String("-");
        qint64 n = part.captured(2).toLongLong();
        if (negative)
            n = -n;
        const QChar unit = part.captured(3).at(0);
        if (unit == QLatin1Char('d'))
            result = result.addDays(n);
        else if (unit == QLatin1Char('h'))
            result = result.addSecs(n * 3600);
        else if (unit == QLatin1Char('m'))
            result = result.addSecs(n * 60);
        else
            result = result.addSecs(n);
    }
    return result;
}

QString jsonText(const QJsonValue &value)
{
    if (value.isDouble()) {
        const double d = value.toDouble();
        if (d == std::floor(d) && std::fabs(d) < 1e15)
            return QString::number(qint64(d));
        return QString::number(d);
    }
    if (value.isBool())
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    return value.toString();
}

// A listing's values with every field present: defaults, then the given values.
QVariantMap completeListing(int list, const QVariantMap &given)
{
    const QDateTime now = ServerClock::now();
    QVariantMap v;
    for (const ListingFields::Field &f : ListingFields::all()) {
        switch (f.kind) {
        case Kind::Int:
        case Kind::Flag:
            v[QLatin1String(f.name)] = 0;
            break;
        case Kind::Amount:
            v[QLatin1String(f.name)] = 0.0;
            break;
        case Kind::Text:
        case Kind::Stamp:
            v[QLatin1String(f.name)] = QString();
            break;
        }
    }
    v.remove(QStringLiteral("id"));
    v[QStringLiteral("waehrung")] = QStringLiteral("EUR");
    v[QStringLiteral("dauer")] = 7;
    v[QStringLiteral("auktionstyp")] = 1;
    v[QStringLiteral("anzahl")] = 1;
    v[QStringLiteral("startpreis")] = 1.0;
    v[QStringLiteral("land")] = QStringLiteral("Deutschland");
    v[QStringLiteral("zahlungsmethode")] = QStringLiteral("Überweisung");
    v[QStringLiteral("versandtrager")] = 1;
    v[QStringLiteral("versand_angabe")] = 1;
    v[QStringLiteral("versandkosten")] = 4.9;
    for (const char *pic : {"pic1", "pic2", "pic3", "pic4", "pic5", "pic6"})
        v[QLatin1String(pic)] = QStringLiteral("0");
    v[QStringLiteral("fsk")] = 0;
    v[QStringLiteral("bilder")] = 0;
    v[QStringLiteral("upload_path")] = QString();

    for (auto it = given.cbegin(); it != given.cend(); ++it) {
        if (it.key() == QLatin1String("id"))
            continue;
        if (!ListingFields::isField(it.key()) && it.key() != QLatin1String("fsk")
            && it.key() != QLatin1String("bilder") && it.key() != QLatin1String("upload_path"))
            continue;
        const Kind kind = ListingFields::isField(it.key()) ? ListingFields::kindOf(it.key()) : Kind::Int;
        QVariant value = it.value();
        if (it.key() == QLatin1String("upload_path"))
            value = it.value().toString();
        else if (value.typeId() == QMetaType::QString && kind != Kind::Text) {
            QVariant converted;
            if (kind == Kind::Stamp) {
                const QDateTime t = seedStamp(value.toString(), now);
                if (!t.isValid())
                    throw ServerStore::Error(("not a date: " + it.key() + "=" + value.toString()).toStdString());
                converted = Wire::formatStamp(t);
            } else if (!ListingFields::convert(kind, value.toString(), &converted)) {
                throw ServerStore::Error(("bad value: " + it.key() + "=" + value.toString()).toStdString());
            }
            value = converted;
        }
        v[it.key()] = value;
    }

    const int days = std::max(0, v.value(QStringLiteral("dauer")).toInt());
    QString start = v.value(QStringLiteral("start")).toString();
    QString ende = v.value(QStringLiteral("ende")).toString();
    if (list == 0) {
        if (start.isEmpty())
            start = Wire::formatStamp(ende.isEmpty() ? now.addDays(-1) : Wire::parseStamp(ende).addDays(-days));
        if (ende.isEmpty())
            ende = Wire::formatStamp(Wire::parseStamp(start).addDays(days));
    } else {
        if (ende.isEmpty())
            ende = Wire::formatStamp(start.isEmpty() ? now.addDays(-1) : std::min(now, Wire::parseStamp(start).addDays(days)));
        if (start.isEmpty())
            start = Wire::formatStamp(Wire::parseStamp(ende).addDays(-days));
    }
    v[QStringLiteral("start")] = start;
    v[QStringLiteral("ende")] = ende;
    return v;
}

QString pictureFile(int listingId, int slot)
{
    return QStringLiteral("%1_%2.jpg").arg(listingId).arg(slot);
}

} // namespace

const QList<ServerStore::Section> &ServerStore::sections()
{
    static const QList<Section> list = {
        {QStringLiteral("kategorien"), {QStringLiteral("id"), QStringLiteral("name"), QStringLiteral("pid")}},
        {QStringLiteral("einstelldauer_shop"), {QStringLiteral("tage"), QStringLiteral("bez")}},
        {QStringLiteral("einstelldauer"), {QStringLiteral("tage"), QStringLiteral("bez")}},
        {QStringLiteral("einstellgebuehr"), {QStringLiteral("id"), QStringLiteral("min"), QStringLiteral("max"), QStringLiteral("preis")}},
        {QStringLiteral("preise"), {QStringLiteral("id"), QStringLiteral("name"), QStringLiteral("preis")}},
        {QStringLiteral("zahlmethoden"), {QStringLiteral("id"), QStringLiteral("name")}},
        {QStringLiteral("laender"), {QStringLiteral("id"), QStringLiteral("name")}},
    };
    return list;
}

template <class F> auto ServerStore::run(F &&work) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const QString name = QStringLiteral("auction-house-store-%1-%2")
                             .arg(quintptr(this), 0, 16)
                             .arg(++m_connections);
    struct Remover {
        QString name;
        ~Remover() { QSqlDatabase::removeDatabase(name); }
    } remover{name};
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(m_dbPath);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    if (!db.open())
        throw Error(("cannot open " + m_dbPath + ": " + db.lastError().text()).toStdString());
    struct Closer {
        QSqlDatabase &db;
        ~Closer() { db.close(); }
    } closer{db};
    // A demo and test server: its data is not worth an fsync per request.
    exec(db, QStringLiteral("PRAGMA synchronous=OFF"));
    return work(db);
}

ServerStore::ServerStore(const QString &dataDir)
    : m_dataDir(QDir(dataDir).absolutePath())
    , m_dbPath(QDir(dataDir).absoluteFilePath(QStringLiteral("server.sqlite")))
{
    if (!QDir().mkpath(m_dataDir))
        throw Error(("cannot create data directory " + m_dataDir).toStdString());
    QDir(m_dataDir).mkpath(QStringLiteral("pictures"));
    QDir(m_dataDir).mkpath(QStringLiteral("updates"));
    run([this](QSqlDatabase &db) {
        const bool hasSchema = scalar(db, QStringLiteral(
            "SELECT count(*) FROM sqlite_master WHERE type='table' AND name='listings'")).toInt() > 0;
        if (!hasSchema) {
            createSchema(db);
            m_created = true;
        }
        // Pages are read in id order: this index spares sorting the whole list for each page.
        exec(db, QStringLiteral("CREATE INDEX IF NOT EXISTS listings_page ON listings (account_id, list, id)"));
    });
}

ServerStore::~ServerStore() = default;

void ServerStore::createSchema(QSqlDatabase &db)
{
    exec(db, QStringLiteral("PRAGMA journal_mode=WAL"));
    Transaction tx(db);
    exec(db, QStringLiteral("CREATE TABLE meta (key TEXT PRIMARY KEY, value TEXT)"));
    exec(db, QStringLiteral("CREATE TABLE houses (id INTEGER PRIMARY KEY, name TEXT, typ INTEGER NOT NULL DEFAULT 0)"));
    exec(db, QStringLiteral("CREATE TABLE catalogue (catno INTEGER PRIMARY KEY, created TEXT)"));
    exec(db, QStringLiteral("CREATE TABLE sections (element TEXT PRIMARY KEY, catno INTEGER NOT NULL)"));
    for (const Section &s : sections()) {
        QStringList cols;
        for (const QString &f : s.fields)
            cols << quoted(f) + QStringLiteral(" TEXT NOT NULL DEFAULT ''");
        exec(db, QStringLiteral("CREATE TABLE %1 (pos INTEGER PRIMARY KEY, %2)").arg(quoted(s.element), cols.join(", ")));
    }
    exec(db, QStringLiteral("CREATE INDEX kategorien_id ON kategorien (id)"));
    exec(db, QStringLiteral("CREATE TABLE shop_kategorien (id TEXT PRIMARY KEY, name TEXT, pid TEXT)"));
    exec(db, QStringLiteral(
        "CREATE TABLE accounts (id INTEGER PRIMARY KEY AUTOINCREMENT, usern TEXT NOT NULL UNIQUE, "
        "password TEXT NOT NULL, uid TEXT NOT NULL DEFAULT '', blocked INTEGER NOT NULL DEFAULT 0, "
        "firma TEXT, name TEXT, adresse TEXT, plz TEXT, ort TEXT, land TEXT, telefon TEXT, email TEXT)"));
    QStringList cols;
    for (const ListingFields::Field &f : ListingFields::all()) {
        if (QLatin1String(f.name) == QLatin1String("id"))
            continue;
        cols << quoted(QLatin1String(f.name)) + QLatin1Char(' ') + sqlType(f.kind);
    }
    exec(db, QStringLiteral(
        "CREATE TABLE listings (id INTEGER PRIMARY KEY AUTOINCREMENT, account_id INTEGER NOT NULL, "
        "list INTEGER NOT NULL, created TEXT NOT NULL, changed TEXT NOT NULL, "
        "fsk INTEGER NOT NULL DEFAULT 0, bilder INTEGER NOT NULL DEFAULT 0, upload_path TEXT, %1)")
             .arg(cols.join(", ")));
    exec(db, QStringLiteral("CREATE INDEX listings_list ON listings (account_id, list, changed)"));
    exec(db, QStringLiteral("CREATE INDEX listings_running ON listings (list, ende)"));
    // Server ids of listings start at 100001.
    exec(db, QStringLiteral("INSERT INTO sqlite_sequence (name, seq) VALUES ('listings', 100000)"));
    tx.commit();
}

void ServerStore::applySeed(const QJsonObject &givenSeed, const QString &baseDir)
{
    QJsonObject seed = givenSeed;
    bool wantsDemo = false;
    for (auto it = seed.begin(); it != seed.end(); ++it)
        wantsDemo = wantsDemo || (it.value().isString() && it.value().toString() == QLatin1String("demo"));
    if (wantsDemo) {
        const QJsonObject demo = DemoSeed::build();
        for (auto it = seed.begin(); it != seed.end(); ++it) {
            if (it.value().isString() && it.value().toString() == QLatin1String("demo"))
                it.value() = demo.value(it.key());
        }
    }

    struct PendingPictures {
        int listingId;
        QList<QByteArray> jpegs;
    };

    run([&](QSqlDatabase &db) {
        Transaction tx(db);
        const QString now = nowStamp();
        int catno = seed.value(QStringLiteral("catno")).toInt(1);
        if (catno < 1)
            catno = 1;

        exec(db, QStringLiteral("DELETE FROM meta"));
        auto setMetaIn = [&db](const QString &key, const QString &value) {
            exec(db, QStringLiteral("INSERT OR REPLACE INTO meta (key, value) VALUES (?, ?)"), {key, value});
        };
        setMetaIn(QStringLiteral("catno"), QString::number(catno));
        setMetaIn(QStringLiteral("minimum_start_price"),
                  jsonText(seed.value(QStringLiteral("minimumStartPrice"))).isEmpty()
                      ? QStringLiteral("1,00")
                      : jsonText(seed.value(QStringLiteral("minimumStartPrice"))));
        const QJsonObject update = seed.value(QStringLiteral("update")).toObject();
        setMetaIn(QStringLiteral("current_version"), update.value(QStringLiteral("version")).toString());
        setMetaIn(QStringLiteral("update_file"), update.value(QStringLiteral("file")).toString());

        exec(db, QStringLiteral("DELETE FROM houses"));
        for (const QJsonValue &h : seed.value(QStringLiteral("houses")).toArray()) {
            const QJsonObject o = h.toObject();
            exec(db, QStringLiteral("INSERT INTO houses (id, name, typ) VALUES (?, ?, ?)"),
                 {o.value(QStringLiteral("id")).toInt(), o.value(QStringLiteral("name")).toString(),
                  o.value(QStringLiteral("typ")).toInt()});
        }

        exec(db, QStringLiteral("DELETE FROM catalogue"));
        exec(db, QStringLiteral("INSERT INTO catalogue (catno, created) VALUES (?, ?)"), {catno, now});
        exec(db, QStringLiteral("DELETE FROM sections"));
        for (const Section &s : sections()) {
            exec(db, QStringLiteral("DELETE FROM %1").arg(quoted(s.element)));
            QStringList cols, marks;
            for (const QString &f : s.fields) {
                cols << quoted(f);
                marks << QStringLiteral("?");
            }
            QSqlQuery insert(db);
            insert.prepare(QStringLiteral("INSERT INTO %1 (pos, %2) VALUES (?, %3)")
                               .arg(quoted(s.element), cols.join(", "), marks.join(", ")));
            int pos = 0;
            for (const QJsonValue &r : seed.value(s.element).toArray()) {
                const QJsonObject o = r.toObject();
                insert.addBindValue(++pos);
                for (const QString &f : s.fields)
                    insert.addBindValue(bindable(jsonText(o.value(f))));
                if (!insert.exec())
                    throw Error(("seed " + s.element + ": " + insert.lastError().text()).toStdString());
            }
            exec(db, QStringLiteral("INSERT INTO sections (element, catno) VALUES (?, ?)"), {s.element, catno});
        }

        exec(db, QStringLiteral("DELETE FROM shop_kategorien"));
        for (const QJsonValue &r : seed.value(QStringLiteral("shopKategorien")).toArray()) {
            const QJsonObject o = r.toObject();
            exec(db, QStringLiteral("INSERT OR REPLACE INTO shop_kategorien (id, name, pid) VALUES (?, ?, ?)"),
                 {jsonText(o.value(QStringLiteral("id"))), jsonText(o.value(QStringLiteral("name"))),
                  jsonText(o.value(QStringLiteral("pid")))});
        }

        exec(db, QStringLiteral("DELETE FROM listings"));
        exec(db, QStringLiteral("DELETE FROM accounts"));
        QHash<QString, int> accountIds;
        for (const QJsonValue &a : seed.value(QStringLiteral("accounts")).toArray()) {
            const QJsonObject o = a.toObject();
            const QString user = o.value(QStringLiteral("user")).toString();
            exec(db, QStringLiteral(
                "INSERT INTO accounts (usern, password, uid, blocked, firma, name, adresse, plz, ort, land, telefon, email) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                 {user, o.value(QStringLiteral("password")).toString(), jsonText(o.value(QStringLiteral("uid"))),
                  o.value(QStringLiteral("blocked")).toBool() ? 1 : 0,
                  o.value(QStringLiteral("firma")).toString(), o.value(QStringLiteral("name")).toString(),
                  o.value(QStringLiteral("adresse")).toString(), o.value(QStringLiteral("plz")).toString(),
                  o.value(QStringLiteral("ort")).toString(), o.value(QStringLiteral("land")).toString(),
                  o.value(QStringLiteral("telefon")).toString(), o.value(QStringLiteral("email")).toString()});
            const int id = scalar(db, QStringLiteral("SELECT last_insert_rowid()")).toInt();
            exec(db, QStringLiteral("UPDATE accounts SET uid=? WHERE id=? AND uid=''"), {QString::number(1000 + id), id});
            accountIds[user] = id;
        }

        for (const QJsonValue &l : seed.value(QStringLiteral("listings")).toArray()) {
            const QJsonObject o = l.toObject();
            const QString user = o.value(QStringLiteral("user")).toString();
            if (!accountIds.contains(user))
                throw Error(("seed listing of unknown user " + user).toStdString());
            QVariantMap values;
            for (auto it = o.begin(); it != o.end(); ++it) {
                if (ListingFields::isField(it.key()) || it.key() == QLatin1String("fsk"))
                    values[it.key()] = jsonText(it.value());
            }
            const int list = o.value(QStringLiteral("list")).toInt();
            const int id = insertListingIn(db, accountIds.value(user), list, values);
            QList<QByteArray> jpegs;
            const QJsonValue pics = o.value(QStringLiteral("pictures"));
            if (pics.isDouble()) {
                for (int slot = 1; slot <= std::min(3, pics.toInt()); ++slot)
                    jpegs << DemoSeed::makePicture(id, slot);
            } else {
                for (const QJsonValue &p : pics.toArray()) {
                    QFile file(QDir(baseDir).absoluteFilePath(p.toString()));
                    if (!file.open(QIODevice::ReadOnly))
                        throw Error(("seed picture missing: " + file.fileName()).toStdString());
                    jpegs << file.readAll();
                }
            }
            if (!jpegs.isEmpty())
                storePicturesIn(db, id, jpegs.mid(0, 3));
        }
        tx.commit();
    });
}

QString ServerStore::meta(const QString &key, const QString &fallback) const
{
    return run([&](QSqlDatabase &db) {
        const QVariant v = scalar(db, QStringLiteral("SELECT value FROM meta WHERE key=?"), {key});
        return v.isNull() ? fallback : v.toString();
    });
}

void ServerStore::setMeta(const QString &key, const QString &value)
{
    run([&](QSqlDatabase &db) {
        exec(db, QStringLiteral("INSERT OR REPLACE INTO meta (key, value) VALUES (?, ?)"), {key, value});
    });
}

int ServerStore::houseTyp(int aukId) const
{
    return run([&](QSqlDatabase &db) {
        return scalar(db, QStringLiteral("SELECT typ FROM houses WHERE id=?"), {aukId}).toInt();
    });
}

std::optional<ServerStore::Account> ServerStore::account(const QString &user) const
{
    return run([&](QSqlDatabase &db) -> std::optional<Account> {
        QSqlQuery q = exec(db, QStringLiteral(
            "SELECT id, usern, password, uid, blocked, firma, name, adresse, plz, ort, land, telefon, email "
            "FROM accounts WHERE usern=?"), {user});
        if (!q.next())
            return std::nullopt;
        Account a;
        a.id = q.value(0).toInt();
        a.user = q.value(1).toString();
        a.password = q.value(2).toString();
        a.uid = q.value(3).toString();
        a.blocked = q.value(4).toInt() != 0;
        a.firma = q.value(5).toString();
        a.name = q.value(6).toString();
        a.adresse = q.value(7).toString();
        a.plz = q.value(8).toString();
        a.ort = q.value(9).toString();
        a.land = q.value(10).toString();
        a.telefon = q.value(11).toString();
        a.email = q.value(12).toString();
        return a;
    });
}

QString ServerStore::saveAccount(const Account &a)
{
    return run([&](QSqlDatabase &db) {
        Transaction tx(db);
        const QVariantList values = {a.password, a.uid, a.blocked ? 1 : 0, a.firma, a.name, a.adresse,
                                     a.plz, a.ort, a.land, a.telefon, a.email};
        const QVariant existing = scalar(db, QStringLiteral("SELECT id FROM accounts WHERE usern=?"), {a.user});
        int id = 0;
        if (existing.isNull()) {
            QVariantList binds = {a.user};
            binds += values;
            exec(db, QStringLiteral(
                "INSERT INTO accounts (usern, password, uid, blocked, firma, name, adresse, plz, ort, land, telefon, email) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"), binds);
            id = scalar(db, QStringLiteral("SELECT last_insert_rowid()")).toInt();
        } else {
            id = existing.toInt();
            exec(db, QStringLiteral(
                "UPDATE accounts SET password=?, uid=CASE WHEN ?='' THEN uid ELSE ? END, blocked=?, firma=?, name=?, "
                "adresse=?, plz=?, ort=?, land=?, telefon=?, email=? WHERE id=?"),
                 {a.password, a.uid, a.uid, a.blocked ? 1 : 0, a.firma, a.name, a.adresse, a.plz, a.ort, a.land,
                  a.telefon, a.email, id});
        }
        exec(db, QStringLiteral("UPDATE accounts SET uid=? WHERE id=? AND uid=''"), {QString::number(1000 + id), id});
        const QString uid = scalar(db, QStringLiteral("SELECT uid FROM accounts WHERE id=?"), {id}).toString();
        tx.commit();
        return uid;
    });
}

bool ServerStore::setBlocked(const QString &user, bool blocked)
{
    return run([&](QSqlDatabase &db) {
        return exec(db, QStringLiteral("UPDATE accounts SET blocked=? WHERE usern=?"), {blocked ? 1 : 0, user})
                   .numRowsAffected() > 0;
    });
}

int ServerStore::catalogueNumber() const
{
    return meta(QStringLiteral("catno"), QStringLiteral("1")).toInt();
}

QStringList ServerStore::sectionsFor(const QString &clientCatno) const
{
    return run([&](QSqlDatabase &db) {
        const int current = scalar(db, QStringLiteral("SELECT value FROM meta WHERE key='catno'")).toInt();
        bool ok = false;
        const int client = clientCatno.trimmed().toInt(&ok);
        const bool known = ok && client <= current && client > current - RecentCatalogues
            && scalar(db, QStringLiteral("SELECT count(*) FROM catalogue WHERE catno=?"), {client}).toInt() > 0;
        QStringList result;
        QSqlQuery q = exec(db, QStringLiteral("SELECT element, catno FROM sections"));
        QHash<QString, int> changed;
        while (q.next())
            changed[q.value(0).toString()] = q.value(1).toInt();
        for (const Section &s : sections()) {
            if (!known || changed.value(s.element) > client)
                result << s.element;
        }
        return result;
    });
}

QList<QStringList> ServerStore::sectionRows(const QString &element) const
{
    const Section *section = nullptr;
    for (const Section &s : sections()) {
        if (s.element == element)
            section = &s;
    }
    if (!section)
        return {};
    return run([&](QSqlDatabase &db) {
        QStringList cols;
        for (const QString &f : section->fields)
            cols << quoted(f);
        QSqlQuery q = exec(db, QStringLiteral("SELECT %1 FROM %2 ORDER BY pos").arg(cols.join(", "), quoted(element)));
        QList<QStringList> rows;
        while (q.next()) {
            QStringList row;
            for (int i = 0; i < cols.size(); ++i)
                row << q.value(i).toString();
            rows << row;
        }
        return rows;
    });
}

int ServerStore::touchSection(const QString &element)
{
    return run([&](QSqlDatabase &db) {
        Transaction tx(db);
        const int next = scalar(db, QStringLiteral("SELECT value FROM meta WHERE key='catno'")).toInt() + 1;
        exec(db, QStringLiteral("INSERT OR REPLACE INTO meta (key, value) VALUES ('catno', ?)"), {QString::number(next)});
        exec(db, QStringLiteral("INSERT OR REPLACE INTO catalogue (catno, created) VALUES (?, ?)"), {next, nowStamp()});
        exec(db, QStringLiteral("INSERT OR REPLACE INTO sections (element, catno) VALUES (?, ?)"), {element, next});
        tx.commit();
        return next;
    });
}

int ServerStore::addCategory(const QString &id, const QString &name, const QString &parentId)
{
    run([&](QSqlDatabase &db) {
        exec(db, QStringLiteral("INSERT INTO kategorien (pos, id, name, pid) "
                                "VALUES ((SELECT coalesce(max(pos), 0) + 1 FROM kategorien), ?, ?, ?)"),
             {id, name, parentId});
    });
    return touchSection(QStringLiteral("kategorien"));
}

bool ServerStore::categoryExists(const QString &id) const
{
    return run([&](QSqlDatabase &db) {
        return scalar(db, QStringLiteral("SELECT count(*) FROM kategorien WHERE id=?"), {id}).toInt() > 0;
    });
}

bool ServerStore::shopCategoryExists(const QString &id) const
{
    return run([&](QSqlDatabase &db) {
        return scalar(db, QStringLiteral("SELECT count(*) FROM shop_kategorien WHERE id=?"), {id}).toInt() > 0;
    });
}

QList<int> ServerStore::durations(bool shop) const
{
    return run([&](QSqlDatabase &db) {
        QSqlQuery q = exec(db, QStringLiteral("SELECT tage FROM %1 ORDER BY pos")
                                   .arg(shop ? QStringLiteral("einstelldauer_shop") : QStringLiteral("einstelldauer")));
        QList<int> days;
        while (q.next())
            days << q.value(0).toInt();
        return days;
    });
}

bool ServerStore::feeFor(double price, double *fee) const
{
    const double cents = std::round(price * 100.0) / 100.0;
    for (const QStringList &band : sectionRows(QStringLiteral("einstellgebuehr"))) {
        double min = 0, max = 0, f = 0;
        if (!Wire::parseAmount(band.value(1), &min) || !Wire::parseAmount(band.value(2), &max)
            || !Wire::parseAmount(band.value(3), &f))
            continue;
        if (min <= cents + 1e-9 && cents <= max + 1e-9) {
            *fee = f;
            return true;
        }
    }
    return false;
}

int ServerStore::insertListingIn(QSqlDatabase &db, int accountId, int list, const QVariantMap &given)
{
    const QVariantMap v = completeListing(list, given);
    QStringList cols = {QStringLiteral("account_id"), QStringLiteral("list"), QStringLiteral("created"),
                        QStringLiteral("changed")};
    const QString now = nowStamp();
    QVariantList binds = {accountId, list, now, now};
    for (auto it = v.cbegin(); it != v.cend(); ++it) {
        cols << quoted(it.key());
        QVariant value = it.value();
        if (value.typeId() == QMetaType::QString && value.toString().isNull())
            value = QString(QLatin1String(""));
        binds << value;
    }
    QStringList marks;
    for (int i = 0; i < cols.size(); ++i)
        marks << QStringLiteral("?");
    exec(db, QStringLiteral("INSERT INTO listings (%1) VALUES (%2)").arg(cols.join(", "), marks.join(", ")), binds);
    return scalar(db, QStringLiteral("SELECT last_insert_rowid()")).toInt();
}

int ServerStore::insertListing(int accountId, int list, const QVariantMap &values)
{
    return run([&](QSqlDatabase &db) { return insertListingIn(db, accountId, list, values); });
}

QList<int> ServerStore::insertListings(int accountId, int list, const QList<QVariantMap> &values)
{
    return run([&](QSqlDatabase &db) {
        Transaction tx(db);
        QList<int> ids;
        for (const QVariantMap &v : values)
            ids << insertListingIn(db, accountId, list, v);
        tx.commit();
        return ids;
    });
}

ServerStore::Page ServerStore::listingPage(int accountId, int list, const QDateTime &changedAfter, int lastDays,
                                           int page, int pageSize) const
{
    return run([&](QSqlDatabase &db) {
        QString where = QStringLiteral("account_id=? AND list=?");
        QVariantList binds = {accountId, list};
        if (changedAfter.isValid()) {
            where += QStringLiteral(" AND changed > ?");
            binds << Wire::formatStamp(changedAfter);
        }
        if (lastDays > 0 && list != 0) {
            where += QStringLiteral(" AND ende >= ?");
            binds << Wire::formatStamp(ServerClock::now().addDays(-lastDays));
        }
        Page result;
        result.total = scalar(db, QStringLiteral("SELECT count(*) FROM listings WHERE ") + where, binds).toInt();
        QStringList cols;
        for (const ListingFields::Field &f : ListingFields::all())
            cols << quoted(QLatin1String(f.name));
        QVariantList pageBinds = binds;
        pageBinds << pageSize << qint64(std::max(0, page)) * pageSize;
        QSqlQuery q = exec(db, QStringLiteral("SELECT %1 FROM listings INDEXED BY listings_page WHERE %2 ORDER BY id LIMIT ? OFFSET ?")
                                   .arg(cols.join(", "), where), pageBinds);
        while (q.next()) {
            QVariantMap row;
            for (int i = 0; i < cols.size(); ++i)
                row[QLatin1String(ListingFields::all()[i].name)] = q.value(i);
            result.listings << row;
        }
        return result;
    });
}

std::optional<QVariantMap> ServerStore::listing(int id) const
{
    return run([&](QSqlDatabase &db) -> std::optional<QVariantMap> {
        QSqlQuery q = exec(db, QStringLiteral("SELECT * FROM listings WHERE id=?"), {id});
        if (!q.next())
            return std::nullopt;
        QVariantMap row;
        const QSqlRecord rec = q.record();
        for (int i = 0; i < rec.count(); ++i)
            row[rec.fieldName(i)] = q.value(i);
        return row;
    });
}

int ServerStore::listingOwner(int id) const
{
    return run([&](QSqlDatabase &db) {
        return scalar(db, QStringLiteral("SELECT account_id FROM listings WHERE id=?"), {id}).toInt();
    });
}

int ServerStore::listingList(int id) const
{
    return run([&](QSqlDatabase &db) {
        const QVariant v = scalar(db, QStringLiteral("SELECT list FROM listings WHERE id=?"), {id});
        return v.isNull() ? -1 : v.toInt();
    });
}

bool ServerStore::endListing(int id, bool sold)
{
    return run([&](QSqlDatabase &db) {
        const QString now = nowStamp();
        if (sold) {
            // A sale without bids so far: one buyer took it at the buy-now or start price.
            exec(db, QStringLiteral(
                "UPDATE listings SET gebote=1, gebotspreis=CASE WHEN sofortkaufpreis > 0 THEN sofortkaufpreis "
                "ELSE startpreis END WHERE id=? AND list=0 AND gebote=0"), {id});
        }
        QSqlQuery q = exec(db, QStringLiteral(
            "UPDATE listings SET list=?, posanzahl=?, ende=CASE WHEN ende > ? THEN ? ELSE ende END, changed=? "
            "WHERE id=? AND list=0"), {sold ? 1 : 2, sold ? 1 : 0, now, now, now, id});
        return q.numRowsAffected() > 0;
    });
}

int ServerStore::expireDue()
{
    return run([&](QSqlDatabase &db) {
        const QString now = nowStamp();
        return exec(db, QStringLiteral(
            "UPDATE listings SET list=CASE WHEN gebote > 0 AND gebotspreis >= minpreis THEN 1 ELSE 2 END, "
            "posanzahl=CASE WHEN gebote > 0 AND gebotspreis >= minpreis THEN 1 ELSE 0 END, changed=? "
            "WHERE list=0 AND ende < ?"), {now, now}).numRowsAffected();
    });
}

QList<ServerStore::ListingRef> ServerStore::listingRefs(int list) const
{
    return run([&](QSqlDatabase &db) {
        QSqlQuery q = exec(db, QStringLiteral(
            "SELECT l.id, l.list, a.usern, l.titel, l.ende FROM listings l JOIN accounts a ON a.id=l.account_id "
            "WHERE ?<0 OR l.list=? ORDER BY l.id"), {list, list});
        QList<ListingRef> refs;
        while (q.next())
            refs << ListingRef{q.value(0).toInt(), q.value(1).toInt(), q.value(2).toString(), q.value(3).toString(),
                               q.value(4).toString()};
        return refs;
    });
}

QString ServerStore::pictureFolder(int listingId)
{
    return QString::fromLatin1(QCryptographicHash::hash("veltrano-picture:" + QByteArray::number(listingId),
                                                        QCryptographicHash::Md5)
                                   .toHex()
                                   .left(6));
}

QStringList ServerStore::storePicturesIn(QSqlDatabase &db, int listingId, const QList<QByteArray> &jpegs)
{
    const QString folder = pictureFolder(listingId);
    const QString dir = m_dataDir + QStringLiteral("/pictures/") + folder;
    if (!QDir().mkpath(dir))
        throw Error(("cannot create " + dir).toStdString());
    QStringList names;
    for (int i = 0; i < jpegs.size() && i < 3; ++i) {
        const QString file = pictureFile(listingId, i + 1);
        // Written beside and renamed, so a download never sees half a file (no fsync: the
        // pictures of a demo server are not worth it).
        const QString target = dir + QLatin1Char('/') + file;
        QFile out(target + QStringLiteral(".part"));
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(jpegs[i]) != jpegs[i].size())
            throw Error(("cannot write picture " + file).toStdString());
        out.close();
        if (std::rename(QFile::encodeName(out.fileName()).constData(), QFile::encodeName(target).constData()) != 0)
            throw Error(("cannot write picture " + file).toStdString());
        names << folder + file;
        exec(db, QStringLiteral("UPDATE listings SET %1=? WHERE id=?").arg(quoted(QStringLiteral("pic%1").arg(i + 1))),
             {folder + file, listingId});
    }
    exec(db, QStringLiteral("UPDATE listings SET changed=? WHERE id=?"), {nowStamp(), listingId});
    return names;
}

QStringList ServerStore::storePictures(int listingId, const QList<QByteArray> &jpegs)
{
    return run([&](QSqlDatabase &db) {
        Transaction tx(db);
        QStringList names = storePicturesIn(db, listingId, jpegs);
        tx.commit();
        return names;
    });
}

QStringList ServerStore::pictureNames(int listingId) const
{
    return run([&](QSqlDatabase &db) {
        QSqlQuery q = exec(db, QStringLiteral("SELECT pic1, pic2, pic3 FROM listings WHERE id=?"), {listingId});
        QStringList names;
        if (q.next()) {
            for (int i = 0; i < 3; ++i) {
                const QString name = q.value(i).toString();
                if (name.size() >= 3)
                    names << name;
            }
        }
        return names;
    });
}

QString ServerStore::picturePath(const QString &name) const
{
    static const QRegularExpression folderForm(QStringLiteral("^([0-9a-f]{6})/?([A-Za-z0-9_\\-]+\\.jpg)$"));
    const QRegularExpressionMatch m = folderForm.match(name);
    if (!m.hasMatch())
        return {};
    const QString path = m_dataDir + QStringLiteral("/pictures/") + m.captured(1) + QLatin1Char('/') + m.captured(2);
    return QFileInfo(path).isFile() ? path : QString();
}

QString ServerStore::updateFilePath(const QString &house, const QString &file) const
{
    if (house.isEmpty() || file.isEmpty() || house.contains(QLatin1String("..")) || file.contains(QLatin1String(".."))
        || house.contains(QLatin1Char('/')) || file.contains(QLatin1Char('/')) || house.contains(QLatin1Char('\\'))
        || file.contains(QLatin1Char('\\')))
        return {};
    const QString path = m_dataDir + QStringLiteral("/updates/") + house + QLatin1Char('/') + file;
    return QFileInfo(path).isFile() ? path : QString();
}
