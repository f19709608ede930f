#include "exchange/TransferListUploader.h"

#include "core/ErrorGuard.h"
#include "core/LoginContext.h"
#include "exchange/BoolToFlag.h"
#include "exchange/Credentials.h"
#include "exchange/ExchangeMessages.h"
#include "exchange/ExchangeProgress.h"
#include "exchange/PostForm.h"
#include "exchange/PostPictures.h"
#include "exchange/UrlEncode.h"
#include "store/Cp1252.h"
#include "store/Database.h"
#include "store/PictureFolder.h"
#include "store/PictureNames.h"
#include "store/Statement.h"

#include <array>

namespace {

constexpr std::array<TransferListUploader::Marker, 9> Markers = {{
    {"ERROR1", "Fehler bei der Authentifizierung"},
    {"ERROR2", "Minimum des Einstellpreises ist unterschritten. Bitte prüfen Sie den Startpreis!"},
    {"ERROR3", "Auktion konnte nicht eingestellt werden!"},
    {"ERROR4", "User ID nicht auslesbar ! Benutzer falsch?"},
    {"ERROR5", "Es wurden keine Gebühren berechnet! Melden Sie dies bitte aus Fairness dem Admin"},
    {"ERROR6", "Benutzerdaten (User/Password)stimmen nicht überein!"},
    {"ERROR7", "Sie sind für das Einstellen von Auktionen gesperrt oder evtl. nicht freigeschaltet! Guthaben können "
               "auch unterschritten sein"},
    {"ERROR", "Undefinierter Übertragungsfehler!"},
    {"error", "Undefinierter Übertragungsfehler!"},
}};

const QString NoServerId = QStringLiteral("Der Server hat die Auktion \"%1\" ohne Auktionsnummer beantwortet. "
                                          "Sie bleibt in der Übertragungsliste und wird beim nächsten Mal erneut "
                                          "gesendet.");

using ExchangeMessages::showError;

QString encoded(const Statement &row, const char *column)
{
    return UrlEncode(row.text(QLatin1String(column)));
}

QString flag(const Statement &row, const char *column)
{
    return BoolToFlag(row.flag(QLatin1String(column)));
}

} // namespace

TransferListUploader::TransferListUploader(HttpClient &client, Database &db, ExchangeProgress &progress)
    : m_client(client), m_db(db), m_progress(progress)
{
}

QString TransferListUploader::refusalMessage(const QString &reply)
{
    for (const Marker &marker : Markers) {
        if (reply.contains(QLatin1String(marker.text), Qt::CaseSensitive))
            return QString::fromUtf8(marker.message);
    }
    return {};
}

QString TransferListUploader::listingUrl()
{
    const LoginContext &context = loginContext();
    return context.url + (context.typ == 1 ? QStringLiteral("/api/asend.php") : QStringLiteral("/asend.php"));
}

QStringList TransferListUploader::pictureFiles(const Statement &row)
{
    const PictureFolder folder(loginContext().ProgramDir);
    QStringList files;
    for (const char *column : {"pic1", "pic2", "pic3"}) {
        const QString name = row.text(QLatin1String(column));
        if (PictureNames::isPictureName(name))
            files.append(folder.filePath(name));
    }
    return files;
}

QStringList TransferListUploader::listingFields(const Statement &row, int pictureCount, const Settings &settings)
{
    QStringList fields = {
        QStringLiteral("titel=") + encoded(row, "titel"),
        QStringLiteral("description=") + UrlEncode(Cp1252::toWireHtml(row.text(QStringLiteral("beschreibung")))),
        QStringLiteral("category=") + encoded(row, "kategorie"),
        QStringLiteral("minimum_bid=") + encoded(row, "startpreis"),
        QStringLiteral("duration=") + encoded(row, "dauer"),
        QStringLiteral("location=") + encoded(row, "ort"),
        QStringLiteral("location_zip=") + encoded(row, "plz"),
        QStringLiteral("location_land=") + encoded(row, "land"),
        QStringLiteral("shipping=") + flag(row, "versandtrager"),
        QStringLiteral("payment=") + encoded(row, "zahlungsmethode"),
        QStringLiteral("international=") + flag(row, "versand_int"),
        QStringLiteral("menge=") + encoded(row, "anzahl"),
        QStringLiteral("fett=") + flag(row, "fett"),
        QStringLiteral("marker=") + flag(row, "marker"),
        QStringLiteral("topkat=") + flag(row, "topkat"),
        QStringLiteral("zustand=") + encoded(row, "zustand"),
        QStringLiteral("artnr=") + encoded(row, "artnr"),
        QStringLiteral("buynow=") + encoded(row, "sofortkaufpreis"),
        QStringLiteral("versand=") + encoded(row, "versandkosten"),
        QStringLiteral("versandoption=") + encoded(row, "versandoption"),
        QStringLiteral("versandkostenoption=") + encoded(row, "versandkostenoption"),
        QStringLiteral("auktyp=") + encoded(row, "auktionstyp"),
        QStringLiteral("wiedereinstellen=") + encoded(row, "wiederholung"),
        QStringLiteral("galerie=") + flag(row, "galerie"),
        QStringLiteral("fsk=") + flag(row, "fsk"),
        QStringLiteral("mwst=") + encoded(row, "mwst"),
        QStringLiteral("startseite=") + flag(row, "startseite"),
        QStringLiteral("minpreis=") + encoded(row, "minpreis"),
        QStringLiteral("bilder=") + QString::number(pictureCount),
        QStringLiteral("sprache=DE"),
        QStringLiteral("schluessel=1"),
    };
    fields += Credentials(settings.userName, settings.password).formFields();
    return fields;
}

void TransferListUploader::UploadTransferList(const Settings &settings)
{
    m_progress.setStatus(QStringLiteral("Übertrage Auktionen ..."));
    const bool completed = runGuarded([&] {
        const LoginContext &context = loginContext();
        m_db.open();
        // The ids first: sent listings leave the table while the run goes on.
        QList<int> ids;
        Statement ready(m_db, QStringLiteral("SELECT id FROM `auktionen` WHERE `userID`=:user AND `status`=0 AND "
                                             "`artliste`=3 AND `aukID`=:house"));
        ready.bind(QStringLiteral(":user"), context.userID).bind(QStringLiteral(":house"), context.aukid).exec();
        while (ready.next())
            ids.append(ready.integer(QStringLiteral("id")));
        for (const int id : ids) {
            Statement row(m_db, QStringLiteral("SELECT * FROM `auktionen` WHERE id=:id"));
            row.bind(QStringLiteral(":id"), id).exec();
            if (row.next() && !uploadListing(row, settings))
                break;
            m_progress.keepResponsive();
        }
        m_db.close();
    });
    if (!completed) {
        // runGuarded has shown the error's own text; the run goes on with its next step.
        showError(ExchangeMessages::noConnection());
        m_closeWindow = true;
    }
}

bool TransferListUploader::uploadListing(const Statement &row, const Settings &settings)
{
    const QStringList files = pictureFiles(row);
    const PostReply reply = PostForm(m_client, listingUrl(), listingFields(row, static_cast<int>(files.size()), settings));
    const QString text = Cp1252::decode(reply.text);
    if (loginContext().typ == 1)
        m_progress.appendRunLog(QStringLiteral("----> ") + listingUrl() + QStringLiteral(">>>>") + text);
    else
        m_progress.appendRunLog(QStringLiteral("----> ") + listingUrl() + QStringLiteral(" -- ") + settings.userName
                                + QStringLiteral(" -- >>>>") + text);
    if (!reply.ok)
        return false;
    const QString refusal = refusalMessage(text);
    if (!refusal.isEmpty()) {
        showError(refusal);
        return true;
    }
    const QString serverId = text.trimmed();
    if (serverId.isEmpty()) {
        // Without a server id the listing cannot be found again: it stays for the next run.
        showError(NoServerId.arg(row.text(QStringLiteral("titel"))));
        return true;
    }
    m_progress.appendRunLog(QStringLiteral("Beginne Bilderupload mit ID ") + serverId);
    if (!files.isEmpty())
        uploadPictures(files, serverId, row.integer(QStringLiteral("auktionstyp")), settings);
    removeSentListing(row.integer(QStringLiteral("id")));
    return true;
}

void TransferListUploader::uploadPictures(const QStringList &files, const QString &serverId, int auctionType,
                                          const Settings &settings)
{
    const QString url = loginContext().url + QStringLiteral("/api/abild.php?auktionid=") + UrlEncode(serverId)
        + QStringLiteral("&schluessel=1&")
        + Credentials(settings.userName, settings.password).query(QStringLiteral("benutzername"), QStringLiteral("passwort"))
        + QStringLiteral("&auktyp=") + UrlEncode(QString::number(auctionType));
    const PostReply reply = PostPictures(m_client, url, files);
    m_progress.appendRunLog(Cp1252::decode(reply.text));
}

void TransferListUploader::removeSentListing(int id)
{
    Statement::run(m_db, QStringLiteral("DELETE FROM `auktionen` WHERE id=:id AND aukID=:house AND `status`=0"),
                   {{QStringLiteral(":id"), id}, {QStringLiteral(":house"), loginContext().aukid}});
}
