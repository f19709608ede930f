#include "tools/auction-house-server/AuctionHouseServer.h"

#include "tools/auction-house-server/DemoSeed.h"
#include "tools/auction-house-server/ListingFields.h"
#include "tools/auction-house-server/ServerClock.h"
#include "tools/auction-house-server/ServerStore.h"
#include "tools/auction-house-server/Wire.h"
#include "tools/update-signer/UpdateSigner.h"

#include <httplib.h>

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <dirent.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <thread>

namespace {

using Fault = AuctionHouseServer::Fault;
using Account = ServerStore::Account;

const char *const TextType = "text/html; charset=windows-1252";
const char *const XmlType = "text/xml; charset=windows-1252";
const char *const XmlHead = "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n";
constexpr int MaxStallMs = 10 * 60 * 1000;

struct Reply {
    int status = 200;
    std::string contentType = TextType;
    QByteArray body;
};

Reply text(const QString &body, int status = 200)
{
    return Reply{status, TextType, Wire::encode1252(body)};
}

struct FaultSpec {
    Fault kind = Fault::None;
    QString argument;
};

QByteArray rawQuery(const httplib::Request &req)
{
    const auto q = req.target.find('?');
    if (q == std::string::npos)
        return {};
    return QByteArray::fromStdString(req.target.substr(q + 1));
}

// The accepted socket of a request, found by its two ports: httplib does not hand it to
// the handlers, and refusing, stalling and dropping need it. -1 when not found.
int findConnection(int localPort, int remotePort)
{
    DIR *dir = opendir("/proc/self/fd");
    if (!dir)
        return -1;
    int found = -1;
    while (dirent *entry = readdir(dir)) {
        char *end = nullptr;
        const long fd = std::strtol(entry->d_name, &end, 10);
        if (!end || *end != '\0' || end == entry->d_name || fd == dirfd(dir))
            continue;
        struct stat st {};
        if (fstat(int(fd), &st) != 0 || !S_ISSOCK(st.st_mode))
            continue;
        sockaddr_in local{}, peer{};
        socklen_t len = sizeof local;
        if (getsockname(int(fd), reinterpret_cast<sockaddr *>(&local), &len) != 0 || local.sin_family != AF_INET
            || ntohs(local.sin_port) != localPort)
            continue;
        len = sizeof peer;
        if (getpeername(int(fd), reinterpret_cast<sockaddr *>(&peer), &len) != 0)
            continue;
        if (remotePort >= 0 && ntohs(peer.sin_port) != remotePort)
            continue;
        found = int(fd);
        if (remotePort >= 0)
            break;
        ::shutdown(int(fd), SHUT_RDWR); // remotePort < 0: close every connection
    }
    closedir(dir);
    return found;
}

bool peerClosed(int fd)
{
    if (fd < 0)
        return false;
    char c;
    const ssize_t n = ::recv(fd, &c, 1, MSG_PEEK | MSG_DONTWAIT);
    return n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR);
}

void ignoreSigpipe()
{
    struct sigaction current {};
    if (sigaction(SIGPIPE, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        sigaction(SIGPIPE, &ignore, nullptr);
    }
}

void appendElement(QByteArray &out, const QString &name, const QString &value)
{
    out += '<';
    out += name.toLatin1();
    out += '>';
    out += Wire::xmlText(value);
    out += "</";
    out += name.toLatin1();
    out += '>';
}

QByteArray record(const QString &name, const QList<QPair<QString, QString>> &fields)
{
    QByteArray out;
    out.reserve(2048);
    out += '<';
    out += name.toLatin1();
    out += '>';
    for (const auto &f : fields)
        appendElement(out, f.first, f.second);
    out += "</";
    out += name.toLatin1();
    out += ">\n";
    return out;
}

QString typ1Name(const QString &flat)
{
    return flat.size() > 6 ? flat.left(6) + QLatin1Char('/') + flat.mid(6) : flat;
}

bool isShopType(int type)
{
    return type == 4 || type == 100;
}

} // namespace

struct AuctionHouseServer::Private {
    Options options;
    std::unique_ptr<QTemporaryDir> tempDir;
    std::unique_ptr<ServerStore> store;
    std::unique_ptr<httplib::Server> http;
    std::thread listener;
    std::atomic<quint16> port{0};
    std::atomic<SignatureMode> signatureMode{SignatureMode::Good};

    mutable std::mutex faultMutex;
    QHash<QString, FaultSpec> faults;
    mutable std::mutex countMutex;
    QHash<QString, int> counts;

    std::mutex waitMutex;
    std::condition_variable waitCv;
    bool stopping = false;

    QString baseUrl() const { return QStringLiteral("http://127.0.0.1:%1").arg(port.load()); }

    enum class Auth { Ok, Missing, UnknownUser, WrongPassword };
    Auth authenticate(const Wire::Params &p, const QString &userKey, const QString &passKey,
                      const QString &afterPass, Account *account) const
    {
        if (!p.has(userKey) || !p.has(passKey))
            return Auth::Missing;
        std::optional<Account> found;
        for (const QString &user : p.readings(userKey, passKey)) {
            if (!user.isEmpty() && (found = store->account(user)))
                break;
        }
        if (!found)
            return Auth::UnknownUser;
        *account = *found;
        const QStringList passwords = p.readings(passKey, afterPass);
        return passwords.contains(found->password) ? Auth::Ok : Auth::WrongPassword;
    }

    // Waits up to ms, or until stop(); with fd, also until the client closes. Returns
    // false when it ended because of stop().
    bool pause(int ms, int fd)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        std::unique_lock<std::mutex> lock(waitMutex);
        while (!stopping) {
            const auto now = std::chrono::steady_clock::now();
            if (now >= deadline)
                return true;
            const auto step = std::min<std::chrono::steady_clock::duration>(deadline - now, std::chrono::milliseconds(50));
            waitCv.wait_for(lock, step);
            if (fd >= 0 && peerClosed(fd))
                return true;
        }
        return false;
    }

    FaultSpec faultFor(const std::string &path) const
    {
        std::lock_guard<std::mutex> lock(faultMutex);
        return faults.value(QString::fromStdString(path));
    }

    static void closeWithoutAnswer(const httplib::Request &req, httplib::Response &res, int fd = -1)
    {
        if (fd < 0)
            fd = findConnection(req.local_port, req.remote_port);
        if (fd >= 0)
            ::shutdown(fd, SHUT_RDWR);
        res.status = 500;
        res.set_header("Connection", "close");
    }

    static void write(httplib::Response &res, const Reply &reply)
    {
        res.status = reply.status;
        res.set_content(reply.body.constData(), size_t(reply.body.size()), reply.contentType.c_str());
    }

    void serve(const httplib::Request &req, httplib::Response &res, const std::function<Reply(const httplib::Request &)> &handler)
    {
        const FaultSpec fault = faultFor(req.path);
        bool ok = false;
        const int argument = fault.argument.toInt(&ok);
        switch (fault.kind) {
        case Fault::Refuse:
            closeWithoutAnswer(req, res);
            return;
        case Fault::Stall: {
            const int fd = findConnection(req.local_port, req.remote_port);
            pause(ok && argument >= 0 ? argument : MaxStallMs, fd);
            closeWithoutAnswer(req, res, fd);
            return;
        }
        case Fault::Marker:
            write(res, text(fault.argument.isEmpty() ? QStringLiteral("ERROR") : fault.argument));
            return;
        case Fault::Delay:
            if (!pause(ok && argument >= 0 ? argument : 1000, -1)) {
                closeWithoutAnswer(req, res);
                return;
            }
            break;
        default:
            break;
        }

        Reply reply;
        try {
            reply = handler(req);
        } catch (const std::exception &e) {
            reply = text(QStringLiteral("error: ") + QString::fromUtf8(e.what()), 500);
        }

        if (fault.kind == Fault::BrokenXml) {
            reply.body = reply.body.left(std::max<qsizetype>(1, reply.body.size() / 2)) + "<kaputt";
        } else if (fault.kind == Fault::DropMidReply) {
            std::string body = reply.body.toStdString();
            if (body.size() < 2)
                body.append(64, ' ');
            const size_t sent = ok ? size_t(std::clamp<qint64>(argument, 0, qint64(body.size()) - 1)) : body.size() / 2;
            res.status = reply.status;
            res.set_content_provider(body.size(), reply.contentType.c_str(),
                                     [part = body.substr(0, sent)](size_t offset, size_t, httplib::DataSink &sink) {
                                         if (offset == 0 && !part.empty())
                                             sink.write(part.data(), part.size());
                                         return false; // the rest never comes: httplib closes
                                     });
            return;
        }
        write(res, reply);
    }

    // Handlers of the server interface

    Reply accountCheck(const httplib::Request &req) const
    {
        const Wire::Params p(rawQuery(req));
        if (p.value(QStringLiteral("checksum")) != QLatin1String(Checksum))
            return text(QStringLiteral("error: checksum"));
        Account a;
        switch (authenticate(p, QStringLiteral("user"), QStringLiteral("pass"), QStringLiteral("checksum"), &a)) {
        case Auth::Ok:
            break;
        case Auth::Missing:
        case Auth::UnknownUser:
            return text(QStringLiteral("error: Benutzer unbekannt"));
        case Auth::WrongPassword:
            return text(QStringLiteral("error: Passwort falsch"));
        }
        QStringList fields = {a.uid, a.firma, a.name, a.adresse, a.plz, a.ort, a.land, a.telefon, a.email};
        for (QString &f : fields)
            f.replace(QLatin1Char('|'), QLatin1Char('/')).remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
        return text(fields.join(QLatin1Char('|')));
    }

    Reply masterData(const httplib::Request &req) const
    {
        const Wire::Params p(rawQuery(req));
        QByteArray out = XmlHead;
        out += "<daten>\n";
        for (const QString &element : store->sectionsFor(p.value(QStringLiteral("catno")))) {
            QStringList fields;
            for (const ServerStore::Section &s : ServerStore::sections()) {
                if (s.element == element)
                    fields = s.fields;
            }
            for (const QStringList &row : store->sectionRows(element)) {
                QList<QPair<QString, QString>> values;
                for (int i = 0; i < fields.size(); ++i)
                    values.append({fields[i], row.value(i)});
                out += record(element, values);
            }
        }
        out += record(QStringLiteral("catno"), {{QStringLiteral("id"), QString::number(store->catalogueNumber())}});
        out += "</daten>\n";
        return Reply{200, XmlType, out};
    }

    QList<QPair<QString, QString>> recordOf(const QVariantMap &row, int typ) const
    {
        QList<QPair<QString, QString>> values;
        for (const ListingFields::Field &f : ListingFields::all()) {
            const QString name = QLatin1String(f.name);
            QString value = ListingFields::format(f.kind, row.value(name));
            if (name.size() == 4 && name.startsWith(QLatin1String("pic"))) {
                if (value.size() < 3)
                    value = QStringLiteral("0");
                else if (typ == 1 && name[3] <= QLatin1Char('3'))
                    value = typ1Name(value);
            }
            values.append({name, value});
        }
        // The gallery picture's address, when the listing has a gallery entry.
        const QString pic1 = row.value(QStringLiteral("pic1")).toString();
        for (auto &v : values) {
            if (v.first == QLatin1String("galerie_url") && v.second.isEmpty()
                && row.value(QStringLiteral("galerie")).toInt() != 0 && pic1.size() >= 3)
                v.second = typ == 1 ? baseUrl() + QLatin1Char('/') + typ1Name(pic1)
                                    : baseUrl() + QStringLiteral("/api/filedownload.php?datei=") + pic1;
        }
        return values;
    }

    Reply listings(const httplib::Request &req) const
    {
        const Wire::Params p(rawQuery(req));
        Account a;
        if (authenticate(p, QStringLiteral("user"), QStringLiteral("pass"), QStringLiteral("aukID"), &a) != Auth::Ok)
            return text(QStringLiteral("error: Benutzerdaten (User/Password) stimmen nicht überein!"), 403);
        int list = -1;
        if (!Wire::parseInt(p.value(QStringLiteral("ShowAuktions")), &list) || list < 0 || list > 2)
            return text(QStringLiteral("error: ShowAuktions muss 0, 1 oder 2 sein"), 400);
        int page = 0, days = 0, aukId = 0;
        Wire::parseInt(p.value(QStringLiteral("no")), &page);
        Wire::parseInt(p.value(QStringLiteral("LastDate")), &days);
        Wire::parseInt(p.value(QStringLiteral("aukID")), &aukId);
        const QDateTime since = Wire::parseClientTimestamp(p.value(QStringLiteral("LastUpdate")));
        const int typ = store->houseTyp(aukId);

        store->expireDue();
        const ServerStore::Page result = store->listingPage(a.id, list, since, days, std::max(0, page), PageSize);
        const int max = result.total == 0 ? 0 : (result.total - 1) / PageSize;

        QByteArray out = XmlHead;
        out += "<auktionsdaten>\n";
        out += record(QStringLiteral("pages"), {{QStringLiteral("max"), QString::number(max)}});
        for (const QVariantMap &row : result.listings)
            out += record(QStringLiteral("auktionen"), recordOf(row, typ));
        out += "</auktionsdaten>\n";
        return Reply{200, XmlType, out};
    }

    Reply upload(const httplib::Request &req) const
    {
        const Wire::Params p(QByteArray::fromStdString(req.body));
        if (p.value(QStringLiteral("schluessel")).trimmed() != QLatin1String("1") || !p.has(QStringLiteral("benutzername"))
            || !p.has(QStringLiteral("passwort")))
            return text(QStringLiteral("ERROR1"));
        Account a;
        switch (authenticate(p, QStringLiteral("benutzername"), QStringLiteral("passwort"), QString(), &a)) {
        case Auth::Ok:
            break;
        case Auth::Missing:
            return text(QStringLiteral("ERROR1"));
        case Auth::UnknownUser:
            return text(QStringLiteral("ERROR4"));
        case Auth::WrongPassword:
            return text(QStringLiteral("ERROR6"));
        }
        if (a.blocked)
            return text(QStringLiteral("ERROR7"));

        const Reply refused = text(QStringLiteral("ERROR3"));
        auto value = [&p](const char *key) { return p.value(QLatin1String(key)).trimmed(); };
        auto number = [&](const char *key, double *out) { return Wire::parseAmount(value(key), out); };
        auto whole = [&](const char *key, int fallback, int *out) {
            if (value(key).isEmpty()) {
                *out = fallback;
                return true;
            }
            return Wire::parseInt(value(key), out);
        };

        const QString title = value("titel");
        if (title.isEmpty() || title.size() > 255)
            return refused;
        int type = 0, category = 0, duration = 0, quantity = 0, condition = 0, relist = 0, pictures = 0;
        if (!whole("auktyp", 1, &type) || !(type == 1 || type == 2 || type == 3 || isShopType(type)))
            return refused;
        if (!whole("category", 0, &category) || category <= 0)
            return refused;
        const QString categoryText = QString::number(category);
        if (!store->categoryExists(categoryText) && !(isShopType(type) && store->shopCategoryExists(categoryText)))
            return refused;
        QList<int> allowed = store->durations(false);
        if (type == 2 || isShopType(type))
            allowed += store->durations(true);
        if (!whole("duration", 0, &duration) || !allowed.contains(duration))
            return refused;
        if (!whole("menge", 1, &quantity) || quantity < 1 || !whole("zustand", 0, &condition) || condition < 0
            || !whole("wiedereinstellen", 0, &relist) || relist < 0 || !whole("bilder", 0, &pictures)
            || pictures < 0 || pictures > 3)
            return refused;
        double price = 0, buyNow = 0, shipping = 0, shippingOption = 0, reserve = 0, vat = 0;
        if (!number("minimum_bid", &price) || !number("buynow", &buyNow) || !number("versand", &shipping)
            || !number("versandkostenoption", &shippingOption) || !number("minpreis", &reserve)
            || !number("mwst", &vat) || buyNow < 0 || shipping < 0 || shippingOption < 0 || reserve < 0 || vat < 0)
            return refused;
        if (type == 3 && buyNow > 0 && buyNow <= price)
            return refused;

        double minimum = 1.0;
        Wire::parseAmount(store->meta(QStringLiteral("minimum_start_price"), QStringLiteral("1,00")), &minimum);
        if (price + 1e-9 < minimum)
            return text(QStringLiteral("ERROR2"));
        double fee = 0;
        if (!store->feeFor(price, &fee))
            return text(QStringLiteral("ERROR5"));

        const QDateTime now = ServerClock::now();
        auto flag = [&](const char *key) { return value(key) == QLatin1String("0") || value(key).isEmpty() ? 0 : 1; };
        QVariantMap v;
        v[QStringLiteral("titel")] = title;
        v[QStringLiteral("beschreibung")] = p.value(QStringLiteral("description"));
        v[QStringLiteral("kategorie")] = category;
        v[QStringLiteral("shopkategorie")] = isShopType(type) ? category : 0;
        v[QStringLiteral("startpreis")] = price;
        v[QStringLiteral("dauer")] = duration;
        v[QStringLiteral("ort")] = value("location");
        v[QStringLiteral("plz")] = value("location_zip");
        v[QStringLiteral("land")] = value("location_land");
        v[QStringLiteral("versandtrager")] = flag("shipping");
        v[QStringLiteral("zahlungsmethode")] = value("payment");
        v[QStringLiteral("versand_int")] = flag("international");
        v[QStringLiteral("anzahl")] = quantity;
        v[QStringLiteral("fett")] = flag("fett");
        v[QStringLiteral("marker")] = flag("marker");
        v[QStringLiteral("topkat")] = flag("topkat");
        v[QStringLiteral("zustand")] = condition;
        v[QStringLiteral("artnr")] = value("artnr");
        v[QStringLiteral("sofortkaufpreis")] = buyNow;
        v[QStringLiteral("versandkosten")] = shipping;
        v[QStringLiteral("versandoption")] = value("versandoption");
        v[QStringLiteral("versandkostenoption")] = shippingOption;
        v[QStringLiteral("auktionstyp")] = type;
        v[QStringLiteral("wiederholung")] = relist;
        v[QStringLiteral("galerie")] = flag("galerie");
        v[QStringLiteral("fsk")] = flag("fsk");
        v[QStringLiteral("mwst")] = vat;
        v[QStringLiteral("startseite")] = flag("startseite");
        v[QStringLiteral("minpreis")] = reserve;
        v[QStringLiteral("bilder")] = pictures;
        v[QStringLiteral("upload_path")] = QString::fromStdString(req.path);
        v[QStringLiteral("start")] = Wire::formatStamp(now);
        v[QStringLiteral("ende")] = Wire::formatStamp(now.addDays(duration));
        const int id = store->insertListing(a.id, 0, v);
        return text(QString::number(id));
    }

    Reply pictureUpload(const httplib::Request &req) const
    {
        const Wire::Params p(rawQuery(req));
        int id = 0;
        if (!Wire::parseInt(p.value(QStringLiteral("auktionid")), &id) || store->listingList(id) < 0)
            return text(QStringLiteral("ERROR3: Auktion unbekannt"), 404);
        if (p.value(QStringLiteral("schluessel")).trimmed() != QLatin1String("1"))
            return text(QStringLiteral("ERROR1"), 403);
        Account a;
        switch (authenticate(p, QStringLiteral("benutzername"), QStringLiteral("passwort"), QStringLiteral("auktyp"), &a)) {
        case Auth::Ok:
            break;
        case Auth::Missing:
            return text(QStringLiteral("ERROR1"), 403);
        case Auth::UnknownUser:
            return text(QStringLiteral("ERROR4"), 403);
        case Auth::WrongPassword:
            return text(QStringLiteral("ERROR6"), 403);
        }
        if (store->listingOwner(id) != a.id)
            return text(QStringLiteral("ERROR6: nicht Ihre Auktion"), 403);
        QList<QByteArray> jpegs;
        for (const char *field : {"bild1", "bild2", "bild3"}) {
            if (!req.has_file(field))
                continue;
            const QByteArray data = QByteArray::fromStdString(req.get_file_value(field).content);
            if (data.size() < 4 || uchar(data[0]) != 0xFF || uchar(data[1]) != 0xD8)
                return text(QStringLiteral("ERROR3: %1 ist kein JPEG").arg(QLatin1String(field)), 400);
            jpegs << data;
        }
        if (!jpegs.isEmpty())
            store->storePictures(id, jpegs);
        return text(QStringLiteral("OK %1").arg(jpegs.size()));
    }

    Reply picture(const QString &name) const
    {
        const QString path = store->picturePath(name);
        QFile file(path);
        if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
            return text(QStringLiteral("error: Datei nicht gefunden"), 404);
        return Reply{200, "image/jpeg", file.readAll()};
    }

    Reply versionCheck(const httplib::Request &req) const
    {
        const Wire::Params p(rawQuery(req));
        const QString current = store->meta(QStringLiteral("current_version"));
        const QString file = store->meta(QStringLiteral("update_file"));
        if (!current.isEmpty() && !file.isEmpty()
            && Wire::compareVersions(p.value(QStringLiteral("version")), current) < 0)
            return text(file);
        return text(QStringLiteral("0"));
    }

    // The bytes of an update file: a stored one, or the generated file of the configured
    // update. Empty when there is no such file.
    std::optional<QByteArray> updateContent(const QString &house, const QString &file) const
    {
        const QString path = store->updateFilePath(house, file);
        if (!path.isEmpty()) {
            QFile f(path);
            if (f.open(QIODevice::ReadOnly))
                return f.readAll();
        }
        if (!file.isEmpty() && file == store->meta(QStringLiteral("update_file")))
            return QStringLiteral("Veltrano-Update %1 für %2\n")
                .arg(store->meta(QStringLiteral("current_version")), house)
                .toUtf8();
        return std::nullopt;
    }

    // Beside every update file its detached signature by the demo key, as file + ".sig".
    std::optional<QByteArray> updateSignature(const QString &house, const QString &signedFile) const
    {
        const std::optional<QByteArray> content = updateContent(house, signedFile);
        const SignatureMode mode = signatureMode.load();
        if (!content || mode == SignatureMode::Missing)
            return std::nullopt;
        QByteArray signature = UpdateSigner::demo().sign(*content);
        if (mode == SignatureMode::Bad)
            signature[0] = static_cast<char>(signature[0] ^ 0x01);
        return signature;
    }

    Reply updateFile(const QString &house, const QString &file) const
    {
        const QString sigSuffix = QStringLiteral(".sig");
        std::optional<QByteArray> bytes = updateContent(house, file);
        if (!bytes && file.endsWith(sigSuffix))
            bytes = updateSignature(house, file.chopped(sigSuffix.size()));
        if (!bytes)
            return text(QStringLiteral("error: Datei nicht gefunden"), 404);
        return Reply{200, "application/octet-stream", *bytes};
    }
};

// --- public API ---------------------------------------------------------------------

AuctionHouseServer::AuctionHouseServer(Options options)
    : d(std::make_unique<Private>())
{
    d->options = std::move(options);
    QString dir = d->options.dataDir;
    if (dir.isEmpty()) {
        d->tempDir = std::make_unique<QTemporaryDir>();
        if (!d->tempDir->isValid())
            throw std::runtime_error("cannot create a temporary data directory");
        dir = d->tempDir->path();
    }
    d->store = std::make_unique<ServerStore>(dir);
    if (d->store->meta(QStringLiteral("seeded")) != QLatin1String("1")) {
        QJsonObject seed;
        QString baseDir;
        if (d->options.seedFile.isEmpty()) {
            seed = DemoSeed::build();
        } else {
            QFile file(d->options.seedFile);
            if (!file.open(QIODevice::ReadOnly))
                throw std::runtime_error(("cannot read seed file " + d->options.seedFile).toStdString());
            QJsonParseError error{};
            const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
            if (error.error != QJsonParseError::NoError || !doc.isObject())
                throw std::runtime_error(("seed file " + d->options.seedFile + ": " + error.errorString()).toStdString());
            seed = doc.object();
            baseDir = QFileInfo(d->options.seedFile).absolutePath();
        }
        d->store->applySeed(seed, baseDir);
        d->store->setMeta(QStringLiteral("seeded"), QStringLiteral("1"));
    }
}

AuctionHouseServer::~AuctionHouseServer()
{
    stop();
}

quint16 AuctionHouseServer::start(quint16 port)
{
    if (d->http)
        return d->port;
    ignoreSigpipe();
    auto http = std::make_unique<httplib::Server>();
    http->new_task_queue = [] { return new httplib::ThreadPool(16); };
    http->set_read_timeout(5, 0);
    http->set_write_timeout(5, 0);
    http->set_keep_alive_timeout(2);
    http->set_payload_max_length(64 * 1024 * 1024);
    // httplib's default is SO_REUSEPORT, which lets a second server bind a port that is in
    // use and share its connections; a port in use must fail instead.
    http->set_socket_options([](socket_t sock) {
        int yes = 1;
        setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });

    Private *p = d.get();
    http->set_pre_routing_handler([p](const httplib::Request &req, httplib::Response &) {
        std::lock_guard<std::mutex> lock(p->countMutex);
        ++p->counts[QString::fromStdString(req.path)];
        return httplib::Server::HandlerResponse::Unhandled;
    });
    http->set_error_handler([](const httplib::Request &, httplib::Response &res) {
        if (res.body.empty() && !res.content_provider_)
            res.set_content("error: " + std::to_string(res.status), TextType);
    });

    auto faultable = [p](std::function<Reply(const httplib::Request &)> handler) {
        return [p, handler](const httplib::Request &req, httplib::Response &res) { p->serve(req, res, handler); };
    };
    http->Get("/api/cuser.php", faultable([p](const httplib::Request &r) { return p->accountCheck(r); }));
    http->Get("/api/XMLDaten.php", faultable([p](const httplib::Request &r) { return p->masterData(r); }));
    http->Get("/api/XMLAuctions.php", faultable([p](const httplib::Request &r) { return p->listings(r); }));
    http->Post("/asend.php", faultable([p](const httplib::Request &r) { return p->upload(r); }));
    http->Post("/api/asend.php", faultable([p](const httplib::Request &r) { return p->upload(r); }));
    http->Post("/api/abild.php", faultable([p](const httplib::Request &r) { return p->pictureUpload(r); }));
    http->Get("/api/filedownload.php", faultable([p](const httplib::Request &r) {
        return p->picture(Wire::Params(rawQuery(r)).value(QStringLiteral("datei")));
    }));
    http->Get(R"(/([0-9a-f]{6})/([A-Za-z0-9_\-]+\.jpg))", faultable([p](const httplib::Request &r) {
        return p->picture(QString::fromStdString(r.matches[1].str() + "/" + r.matches[2].str()));
    }));
    http->Get("/veltrano/version_check.php", faultable([p](const httplib::Request &r) { return p->versionCheck(r); }));
    http->Get(R"(/veltrano/([^/]+)/([^/]+))", faultable([p](const httplib::Request &r) {
        return p->updateFile(Wire::decode1252(QByteArray::fromStdString(r.matches[1].str())),
                             Wire::decode1252(QByteArray::fromStdString(r.matches[2].str())));
    }));

    // Admin endpoints: never faulted.
    auto admin = [](std::function<Reply(const Wire::Params &)> handler) {
        return [handler](const httplib::Request &req, httplib::Response &res) {
            Reply reply;
            try {
                reply = handler(Wire::Params(rawQuery(req)));
            } catch (const std::exception &e) {
                reply = Reply{400, "text/plain; charset=utf-8", QByteArray("error: ") + e.what()};
            }
            Private::write(res, reply);
        };
    };
    auto plain = [](const QString &body, int status = 200) {
        return Reply{status, "text/plain; charset=utf-8", body.toUtf8() + '\n'};
    };
    AuctionHouseServer *self = this;
    // Every admin endpoint answers GET and POST. The POST is taken as a content-reader
    // handler, so a POST without a body length (`curl -X POST`) is served, not refused.
    auto both = [&http](const char *path, httplib::Server::Handler handler) {
        http->Get(path, handler);
        http->Post(path, [handler](const httplib::Request &req, httplib::Response &res,
                                   const httplib::ContentReader &content) {
            if (std::atoll(req.get_header_value("Content-Length").c_str()) > 0)
                content([](const char *, size_t) { return true; }); // read and drop the body
            handler(req, res);
        });
    };
    // "OK <process id>", so a script can tell its own server from another one on the port.
    both("/admin/ping", admin([plain](const Wire::Params &) {
        return plain(QStringLiteral("OK %1").arg(qint64(::getpid())));
    }));
    both("/admin/end", admin([self, plain](const Wire::Params &q) {
        const QString sold = q.utf8Value(QStringLiteral("sold"));
        if (!self->endListing(q.utf8Value(QStringLiteral("id")).toInt(), sold.isEmpty() || sold != QLatin1String("0")))
            return plain(QStringLiteral("error: no running listing with this id"), 404);
        return plain(QStringLiteral("OK"));
    }));
    both("/admin/expire", admin([p, plain](const Wire::Params &) {
        return plain(QString::number(p->store->expireDue()));
    }));
    both("/admin/fault", admin([self, plain](const Wire::Params &q) {
        Fault fault = Fault::None;
        const QString path = q.utf8Value(QStringLiteral("path"));
        if (!path.startsWith(QLatin1Char('/')) || !parseFault(q.utf8Value(QStringLiteral("kind")), &fault))
            return plain(QStringLiteral("error: path=/... and kind=none|refuse|stall|drop|brokenxml|marker|delay"), 400);
        self->setFault(path, fault, q.utf8Value(QStringLiteral("arg")));
        return plain(QStringLiteral("OK"));
    }));
    both("/admin/faults/clear", admin([self, plain](const Wire::Params &) {
        self->clearFaults();
        return plain(QStringLiteral("OK"));
    }));
    both("/admin/version", admin([self, plain](const Wire::Params &q) {
        self->setCurrentVersion(q.utf8Value(QStringLiteral("version")), q.utf8Value(QStringLiteral("file")));
        const QString signature = q.utf8Value(QStringLiteral("signature"));
        if (!signature.isEmpty())
            self->setUpdateSignature(signature == QLatin1String("bad")    ? SignatureMode::Bad
                                     : signature == QLatin1String("none") ? SignatureMode::Missing
                                                                          : SignatureMode::Good);
        return plain(QStringLiteral("OK"));
    }));
    both("/admin/account", admin([self, plain](const Wire::Params &q) {
        const QString user = q.utf8Value(QStringLiteral("user"));
        if (user.isEmpty() || !q.has(QStringLiteral("password")))
            return plain(QStringLiteral("error: user and password"), 400);
        const QString blocked = q.utf8Value(QStringLiteral("blocked"));
        return plain(self->addAccount(user, q.utf8Value(QStringLiteral("password")),
                                      !blocked.isEmpty() && blocked != QLatin1String("0")));
    }));
    both("/admin/block", admin([self, plain](const Wire::Params &q) {
        const QString blocked = q.utf8Value(QStringLiteral("blocked"));
        self->setBlocked(q.utf8Value(QStringLiteral("user")), blocked.isEmpty() || blocked != QLatin1String("0"));
        return plain(QStringLiteral("OK"));
    }));
    both("/admin/listing", admin([self, plain](const Wire::Params &q) {
        QMap<QString, QString> fields;
        for (const QString &key : q.keys()) {
            if (ListingFields::isField(key))
                fields[key] = q.utf8Value(key);
        }
        const int id = self->addListing(q.utf8Value(QStringLiteral("user")), q.utf8Value(QStringLiteral("list")).toInt(),
                                        q.utf8Value(QStringLiteral("title")), fields,
                                        q.utf8Value(QStringLiteral("pictures")).toInt());
        return plain(QString::number(id));
    }));
    both("/admin/masterdata", admin([self, plain](const Wire::Params &q) {
        return plain(QString::number(self->touchMasterData(q.utf8Value(QStringLiteral("section")))));
    }));
    both("/admin/requests", admin([self, plain](const Wire::Params &q) {
        return plain(QString::number(self->requestCount(q.utf8Value(QStringLiteral("path")))));
    }));
    both("/admin/listings", admin([p, plain](const Wire::Params &q) {
        const QString list = q.utf8Value(QStringLiteral("list"));
        QStringList lines;
        for (const ServerStore::ListingRef &r : p->store->listingRefs(list.isEmpty() ? -1 : list.toInt()))
            lines << QStringLiteral("%1|%2|%3|%4|%5").arg(r.id).arg(r.list).arg(r.user, r.ende, r.title);
        return plain(lines.join(QLatin1Char('\n')));
    }));

    int bound = -1;
    if (port == 0)
        bound = http->bind_to_any_port("127.0.0.1");
    else if (http->bind_to_port("127.0.0.1", port))
        bound = port;
    if (bound <= 0)
        throw std::runtime_error("cannot listen on 127.0.0.1:" + std::to_string(port));
    {
        std::lock_guard<std::mutex> lock(d->waitMutex);
        d->stopping = false;
    }
    httplib::Server *server = http.get();
    d->listener = std::thread([server] { server->listen_after_bind(); });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!server->is_running() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    d->http = std::move(http);
    d->port = quint16(bound);
    return d->port;
}

void AuctionHouseServer::stop()
{
    if (!d->http)
        return;
    {
        std::lock_guard<std::mutex> lock(d->waitMutex);
        d->stopping = true;
    }
    d->waitCv.notify_all();
    d->http->stop();
    // Idle keep-alive connections and requests still being read end now, not after their
    // time-outs.
    findConnection(d->port, -1);
    if (d->listener.joinable())
        d->listener.join();
    d->http.reset();
}

bool AuctionHouseServer::isRunning() const
{
    return d->http != nullptr;
}

quint16 AuctionHouseServer::port() const
{
    return d->port;
}

QString AuctionHouseServer::baseUrl() const
{
    return d->baseUrl();
}

QString AuctionHouseServer::dataDir() const
{
    return d->store->dataDir();
}

void AuctionHouseServer::setFault(const QString &path, Fault fault, const QString &argument)
{
    std::lock_guard<std::mutex> lock(d->faultMutex);
    if (fault == Fault::None)
        d->faults.remove(path);
    else
        d->faults.insert(path, FaultSpec{fault, argument});
}

void AuctionHouseServer::clearFaults()
{
    std::lock_guard<std::mutex> lock(d->faultMutex);
    d->faults.clear();
}

QString AuctionHouseServer::faultName(Fault fault)
{
    switch (fault) {
    case Fault::None: return QStringLiteral("none");
    case Fault::Refuse: return QStringLiteral("refuse");
    case Fault::Stall: return QStringLiteral("stall");
    case Fault::DropMidReply: return QStringLiteral("drop");
    case Fault::BrokenXml: return QStringLiteral("brokenxml");
    case Fault::Marker: return QStringLiteral("marker");
    case Fault::Delay: return QStringLiteral("delay");
    }
    return {};
}

bool AuctionHouseServer::parseFault(const QString &name, Fault *fault)
{
    const QString n = name.trimmed().toLower();
    static const QList<QPair<QStringList, Fault>> names = {
        {{"none", "off", ""}, Fault::None},
        {{"refuse"}, Fault::Refuse},
        {{"stall"}, Fault::Stall},
        {{"drop", "dropmidreply"}, Fault::DropMidReply},
        {{"brokenxml", "broken"}, Fault::BrokenXml},
        {{"marker"}, Fault::Marker},
        {{"delay"}, Fault::Delay},
    };
    for (const auto &entry : names) {
        if (entry.first.contains(n)) {
            *fault = entry.second;
            return true;
        }
    }
    return false;
}

QString AuctionHouseServer::addAccount(const QString &user, const QString &password, bool blocked)
{
    AccountDetails details;
    details.name = QStringLiteral("Max Mustermann");
    details.adresse = QStringLiteral("Musterstraße 1");
    details.plz = QStringLiteral("50667");
    details.ort = QStringLiteral("Köln");
    details.land = QStringLiteral("Deutschland");
    details.telefon = QStringLiteral("0221 123456");
    details.email = user + QStringLiteral("@morvelia.example");
    return addAccount(user, password, blocked, details);
}

QString AuctionHouseServer::addAccount(const QString &user, const QString &password, bool blocked,
                                       const AccountDetails &details)
{
    Account a;
    a.user = user;
    a.password = password;
    a.blocked = blocked;
    a.uid = details.uid;
    a.firma = details.firma;
    a.name = details.name;
    a.adresse = details.adresse;
    a.plz = details.plz;
    a.ort = details.ort;
    a.land = details.land;
    a.telefon = details.telefon;
    a.email = details.email;
    return d->store->saveAccount(a);
}

void AuctionHouseServer::setBlocked(const QString &user, bool blocked)
{
    d->store->setBlocked(user, blocked);
}

int AuctionHouseServer::addListing(const QString &user, int list, const QString &title,
                                   const QMap<QString, QString> &fields, int pictures)
{
    const std::optional<Account> a = d->store->account(user);
    if (!a)
        throw std::runtime_error(("no account " + user).toStdString());
    if (list < 0 || list > 2)
        throw std::runtime_error("list must be 0, 1 or 2");
    QVariantMap values;
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        values[it.key()] = it.value();
    values[QStringLiteral("titel")] = title;
    const int id = d->store->insertListing(a->id, list, values);
    QList<QByteArray> jpegs;
    for (int slot = 1; slot <= std::min(3, pictures); ++slot)
        jpegs << DemoSeed::makePicture(id, slot);
    if (!jpegs.isEmpty())
        d->store->storePictures(id, jpegs);
    return id;
}

QList<int> AuctionHouseServer::addListings(const QString &user, int list, const QString &title, int count)
{
    const std::optional<Account> a = d->store->account(user);
    if (!a)
        throw std::runtime_error(("no account " + user).toStdString());
    QList<QVariantMap> values;
    for (int i = 1; i <= count; ++i)
        values.append(QVariantMap{{QStringLiteral("titel"), QStringLiteral("%1 %2").arg(title).arg(i)}});
    return d->store->insertListings(a->id, list, values);
}

bool AuctionHouseServer::endListing(int serverId, bool sold)
{
    return d->store->endListing(serverId, sold);
}

int AuctionHouseServer::listOf(int serverId) const
{
    return d->store->listingList(serverId);
}

QMap<QString, QString> AuctionHouseServer::listingRecord(int serverId) const
{
    const std::optional<QVariantMap> row = d->store->listing(serverId);
    QMap<QString, QString> result;
    if (!row)
        return result;
    for (const auto &f : d->recordOf(*row, 0))
        result.insert(f.first, f.second);
    return result;
}

int AuctionHouseServer::catalogueNumber() const
{
    return d->store->catalogueNumber();
}

int AuctionHouseServer::touchMasterData(const QString &section)
{
    bool known = false;
    for (const ServerStore::Section &s : ServerStore::sections())
        known = known || s.element == section;
    if (!known)
        throw std::runtime_error(("no master-data section " + section).toStdString());
    return d->store->touchSection(section);
}

int AuctionHouseServer::addCategory(const QString &id, const QString &name, const QString &parentId)
{
    return d->store->addCategory(id, name, parentId);
}

void AuctionHouseServer::setCurrentVersion(const QString &version, const QString &updateFileName)
{
    d->store->setMeta(QStringLiteral("current_version"), version);
    d->store->setMeta(QStringLiteral("update_file"), updateFileName);
}

void AuctionHouseServer::setUpdateSignature(SignatureMode mode)
{
    d->signatureMode = mode;
}

QStringList AuctionHouseServer::receivedPictures(int serverId) const
{
    return d->store->pictureNames(serverId);
}

QByteArray AuctionHouseServer::pictureBytes(const QString &name) const
{
    QFile file(d->store->picturePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int AuctionHouseServer::requestCount(const QString &path) const
{
    std::lock_guard<std::mutex> lock(d->countMutex);
    return d->counts.value(path);
}

void AuctionHouseServer::resetRequestCounts()
{
    std::lock_guard<std::mutex> lock(d->countMutex);
    d->counts.clear();
}
