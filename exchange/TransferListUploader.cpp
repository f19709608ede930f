#include "exchange/TransferListUploader.h"

#include "core/AccountSession.h"
#include "core/ErrorGuard.h"
#include "exchange/BoolToFlag.h"
#include "exchange/Credentials.h"
#include "exchange/ExchangeMessages.h"
#include "exchange/ExchangeProgress.h"
#include "exchange/PostForm.h"
#include "exchange/PostPictures.h"
#include "exchange/UrlEncode.h"
#include "store/Cp1252.h"
#include "store/Database.h"
#include "store/Listings.h"
#include "store/PictureFolder.h"
#include "store/PictureNames.h"
#include "store/StoredRow.h"

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

QString encoded(const StoredRow &row, const char *column)
{
    return UrlEncode(row.text(QLatin1String(column)));
}

QString flag(const StoredRow &row, const char *column)
{
    return BoolToFlag(row.flag(QLatin1String(column)));
}

} // namespace

TransferListUploader::TransferListUploader(HttpClient &client, Database &db, const AccountSession &session,
                                           ExchangeProgress &progress)
    : m_client(client), m_db(db), m_session(session), m_progress(progress)
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

QString TransferListUploader::listingUrl(const AuctionHouse &house)
{
    return house.url + (house.typ == 1 ? QStringLiteral("/api/asend.php") : QStringLiteral("/asend.php"));
}

QStringList TransferListUploader::pictureFiles(const StoredRow &row, const QString &programDir)
{
    const PictureFolder folder(programDir);
    QStringList files;
    for (const char *column : {"pic1", "pic2", "pic3"}) {
        const QString name = row.text(QLatin1String(column));
        if (PictureNames::isPictureName(name))
            files.append(folder.filePath(name));
    }
    return files;
}

QStringList TransferListUploader::listingFields(const StoredRow &row, int pictureCount, const Settings &settings)
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
    try {
        uploadReadyListings(settings);
    } catch (...) {
        // The error's own text first; the run goes on with its next step.
        m_progress.report(ExchangeProgress::ReportKind::UnhandledError, currentErrorText());
        reportError(ExchangeMessages::noConnection());
        m_closeWindow = true;
    }
}

void TransferListUploader::uploadReadyListings(const Settings &settings)
{
    m_db.open();
    Listings listings(m_db, m_session);
    // The ids first: sent listings leave the table while the run goes on.
    for (const int id : listings.readyForUpload()) {
        const std::optional<StoredRow> row = listings.listing(id);
        if (row && !uploadListing(*row, settings))
            break;
        m_progress.keepResponsive();
    }
    m_db.close();
}

bool TransferListUploader::uploadListing(const StoredRow &row, const Settings &settings)
{
    const QStringList files = pictureFiles(row, m_session.ProgramDir);
    const QString url = listingUrl(m_session.house);
    const PostReply reply = PostForm(m_client, url, listingFields(row, static_cast<int>(files.size()), settings));
    if (!reply.ok)
        reportError(reply.error);
    const QString text = Cp1252::decode(reply.text);
    if (m_session.house.typ == 1)
        m_progress.appendRunLog(QStringLiteral("----> ") + url + QStringLiteral(">>>>") + text);
    else
        m_progress.appendRunLog(QStringLiteral("----> ") + url + QStringLiteral(" -- ") + settings.userName
                                + QStringLiteral(" -- >>>>") + text);
    if (!reply.ok)
        return false;
    const QString refusal = refusalMessage(text);
    if (!refusal.isEmpty()) {
        reportError(refusal);
        return true;
    }
    const QString serverId = text.trimmed();
    if (serverId.isEmpty()) {
        // Without a server id the listing cannot be found again: it stays for the next run.
        reportError(NoServerId.arg(row.text(QStringLiteral("titel"))));
        return true;
    }
    m_progress.appendRunLog(QStringLiteral("Beginne Bilderupload mit ID ") + serverId);
    if (!files.isEmpty())
        uploadPictures(files, serverId, row.integer(QStringLiteral("auktionstyp")), settings);
    Listings(m_db, m_session).removeSent(row.integer(QStringLiteral("id")));
    return true;
}

void TransferListUploader::uploadPictures(const QStringList &files, const QString &serverId, int auctionType,
                                          const Settings &settings)
{
    const QString url = m_session.house.url + QStringLiteral("/api/abild.php?auktionid=") + UrlEncode(serverId)
        + QStringLiteral("&schluessel=1&")
        + Credentials(settings.userName, settings.password).query(QStringLiteral("benutzername"), QStringLiteral("passwort"))
        + QStringLiteral("&auktyp=") + UrlEncode(QString::number(auctionType));
    const PostReply reply = PostPictures(m_client, url, files);
    if (!reply.ok)
        reportError(reply.error);
    m_progress.appendRunLog(Cp1252::decode(reply.text));
}

void TransferListUploader::reportError(const QString &text)
{
    m_progress.report(ExchangeProgress::ReportKind::Error, text);
}
