#include "exchange/HttpClient.h"

#include "exchange/HttpError.h"
#include "store/Cp1252.h"

#include <QSaveFile>
#include <curl/curl.h>

#include <algorithm>
#include <exception>
#include <mutex>

namespace {

// The seller reads German; libcurl's own English text stays only where its detail (the
// host name, the certificate problem) helps to find the cause.
QString transportErrorText(CURLcode code, const char *detail)
{
    const QString curlText = QString::fromLocal8Bit(*detail ? detail : curl_easy_strerror(code));
    switch (code) {
    case CURLE_COULDNT_CONNECT:
        return QStringLiteral("Verbindung zum Server nicht möglich: Der Server nimmt keine Verbindung an.");
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
        return QStringLiteral("Der Servername ist unbekannt (%1).").arg(curlText);
    case CURLE_OPERATION_TIMEDOUT:
        return QStringLiteral("Zeitüberschreitung: Der Server antwortet nicht.");
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_GOT_NOTHING:
        return QStringLiteral("Die Verbindung zum Server wurde unterbrochen.");
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CONNECT_ERROR:
        return QStringLiteral("Die sichere Verbindung zum Server ist gescheitert: Sein Zertifikat ist "
                              "nicht gültig (%1).")
            .arg(curlText);
    case CURLE_TOO_MANY_REDIRECTS:
        return QStringLiteral("Zu viele Weiterleitungen.");
    default:
        return QStringLiteral("Fehler bei der Verbindung zum Server (%1).").arg(curlText);
    }
}

// The URL as it goes on the wire: its texts in Windows-1252, and the bytes a URL cannot
// carry as they are (blanks, controls, everything beyond ASCII) percent-encoded.
QByteArray wireUrl(const QString &url)
{
    static const char hexDigits[] = "0123456789ABCDEF";
    QByteArray wire;
    for (const char byte : Cp1252::encode(url)) {
        const auto value = static_cast<unsigned char>(byte);
        if (value > 0x20 && value < 0x7F)
            wire.append(byte);
        else
            wire.append('%').append(hexDigits[value >> 4]).append(hexDigits[value & 0x0F]);
    }
    return wire;
}

struct CurlList {
    curl_slist *list = nullptr;
    ~CurlList() { curl_slist_free_all(list); }
    void append(const QByteArray &line) { list = curl_slist_append(list, line.constData()); }
};

} // namespace

// One request on its own easy handle; cookies, DNS entries and open connections come from
// the client's share.
class HttpClient::Transfer {
public:
    Transfer(HttpClient &client, const QString &url, const QByteArray &contentType)
        : m_client(client), m_url(wireUrl(url)), m_contentType(contentType)
    {
        m_curl = curl_easy_init();
        if (!m_curl)
            throw HttpError(QStringLiteral("Der HTTP-Client kann nicht gestartet werden."));
        m_error[0] = '\0';
        configure();
    }
    ~Transfer()
    {
        curl_easy_cleanup(m_curl);
        if (m_mime)
            curl_mime_free(m_mime);
    }
    Transfer(const Transfer &) = delete;
    Transfer &operator=(const Transfer &) = delete;

    void setBody(const QByteArray &body)
    {
        sendOnce();
        m_body = body;
        curl_easy_setopt(m_curl, CURLOPT_POST, 1L);
        curl_easy_setopt(m_curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(m_body.size()));
        curl_easy_setopt(m_curl, CURLOPT_POSTFIELDS, m_body.constData());
    }

    void setParts(const QList<FilePart> &parts)
    {
        sendOnce();
        m_mime = curl_mime_init(m_curl);
        for (const FilePart &part : parts) {
            curl_mimepart *mimePart = curl_mime_addpart(m_mime);
            curl_mime_name(mimePart, part.fieldName.constData());
            curl_mime_filename(mimePart, part.fileName.constData());
            curl_mime_type(mimePart, part.contentType.constData());
            curl_mime_data(mimePart, part.data.constData(), static_cast<size_t>(part.data.size()));
        }
        curl_easy_setopt(m_curl, CURLOPT_MIMEPOST, m_mime);
    }

    QByteArray run()
    {
        curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, &Transfer::collect);
        perform();
        return m_reply;
    }

    void runInto(QSaveFile &file)
    {
        m_file = &file;
        curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, &Transfer::collect);
        perform();
    }

private:
    // A POST goes out at most once. On a kept connection that turns out to be dead libcurl
    // sends the request again on a new one, and a listing would be created twice; a
    // connection of its own, closed afterwards, leaves nothing to send again.
    void sendOnce()
    {
        curl_easy_setopt(m_curl, CURLOPT_FRESH_CONNECT, 1L);
        curl_easy_setopt(m_curl, CURLOPT_FORBID_REUSE, 1L);
    }

    void configure()
    {
        curl_easy_setopt(m_curl, CURLOPT_URL, m_url.constData());
        curl_easy_setopt(m_curl, CURLOPT_SHARE, m_client.m_share);
        curl_easy_setopt(m_curl, CURLOPT_COOKIEFILE, "");
        curl_easy_setopt(m_curl, CURLOPT_ERRORBUFFER, m_error);
        curl_easy_setopt(m_curl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(m_curl, CURLOPT_PROTOCOLS_STR, m_client.m_protocols.constData());
        curl_easy_setopt(m_curl, CURLOPT_REDIR_PROTOCOLS_STR, m_client.m_protocols.constData());
        curl_easy_setopt(m_curl, CURLOPT_FOLLOWLOCATION, m_client.m_followRedirects ? 1L : 0L);
        curl_easy_setopt(m_curl, CURLOPT_MAXREDIRS, MaxRedirects);
        curl_easy_setopt(m_curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(m_client.m_connectTimeoutMs));
        curl_easy_setopt(m_curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(m_curl, CURLOPT_LOW_SPEED_TIME, stallSeconds());
        curl_easy_setopt(m_curl, CURLOPT_USERAGENT, m_client.m_userAgent.constData());
        configureHeaders();
        configureCallbacks();
    }

    long stallSeconds() const
    {
        return std::max(1L, static_cast<long>((m_client.m_stallTimeoutMs + 999) / 1000));
    }

    void configureHeaders()
    {
        m_headers.append("Accept: " + m_client.m_accept);
        m_headers.append("Content-Type: " + m_contentType);
        // No "Expect: 100-continue" round trip before larger bodies.
        m_headers.append("Expect:");
        curl_easy_setopt(m_curl, CURLOPT_HTTPHEADER, m_headers.list);
    }

    void configureCallbacks()
    {
        curl_easy_setopt(m_curl, CURLOPT_WRITEDATA, this);
        curl_easy_setopt(m_curl, CURLOPT_HEADERFUNCTION, &Transfer::header);
        curl_easy_setopt(m_curl, CURLOPT_HEADERDATA, this);
        curl_easy_setopt(m_curl, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(m_curl, CURLOPT_XFERINFOFUNCTION, &Transfer::progress);
        curl_easy_setopt(m_curl, CURLOPT_XFERINFODATA, this);
    }

    void perform()
    {
        const CURLcode code = curl_easy_perform(m_curl);
        if (m_hookFailure)
            std::rethrow_exception(m_hookFailure);
        if (m_writeFailed)
            throw HttpError(QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(m_file->fileName()));
        if (code != CURLE_OK)
            throw HttpError(transportErrorText(code, m_error));
        long status = 0;
        curl_easy_getinfo(m_curl, CURLINFO_RESPONSE_CODE, &status);
        if (status < 200 || status > 299)
            throw HttpError(statusText(status));
    }

    QString statusText(long status) const
    {
        if (!m_statusLine.isEmpty())
            return QString::fromLatin1(m_statusLine);
        return QStringLiteral("HTTP-Fehler %1").arg(status);
    }

    static size_t collect(char *data, size_t size, size_t count, void *self)
    {
        auto *transfer = static_cast<Transfer *>(self);
        const qint64 length = static_cast<qint64>(size * count);
        if (!transfer->m_file) {
            transfer->m_reply.append(data, length);
            return size * count;
        }
        if (transfer->m_file->write(data, length) != length) {
            transfer->m_writeFailed = true;
            return 0;
        }
        return size * count;
    }

    static size_t header(char *data, size_t size, size_t count, void *self)
    {
        const QByteArray line = QByteArray(data, static_cast<qsizetype>(size * count)).trimmed();
        if (line.startsWith("HTTP/"))
            static_cast<Transfer *>(self)->m_statusLine = line;
        return size * count;
    }

    static int progress(void *self, curl_off_t received, curl_off_t expected, curl_off_t, curl_off_t)
    {
        auto *transfer = static_cast<Transfer *>(self);
        if (!transfer->m_client.m_progressHook)
            return 0;
        // An exception must not travel through libcurl: end the transfer and rethrow after.
        try {
            transfer->m_client.m_progressHook(received, expected);
            return 0;
        } catch (...) {
            transfer->m_hookFailure = std::current_exception();
            return 1;
        }
    }

    HttpClient &m_client;
    QByteArray m_url;
    QByteArray m_contentType;
    CURL *m_curl = nullptr;
    curl_mime *m_mime = nullptr;
    CurlList m_headers;
    QByteArray m_body;
    QByteArray m_reply;
    QByteArray m_statusLine;
    QSaveFile *m_file = nullptr;
    bool m_writeFailed = false;
    std::exception_ptr m_hookFailure;
    char m_error[CURL_ERROR_SIZE];
};

HttpClient::HttpClient(Kind kind)
    : m_accept("text/html, */*"), m_contentType("text/html")
{
    initTransport();
    m_userAgent = kind == Kind::ExchangeWindow ? QByteArray("Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1)")
                                               : QByteArray("Mozilla/3.0 (compatible; Indy Library)");
    m_share = curl_share_init();
    curl_share_setopt(m_share, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
    curl_share_setopt(m_share, CURLSHOPT_SHARE, CURL_LOCK_DATA_DNS);
    curl_share_setopt(m_share, CURLSHOPT_SHARE, CURL_LOCK_DATA_CONNECT);
}

HttpClient::~HttpClient()
{
    curl_share_cleanup(m_share);
}

void HttpClient::setContentType(const QByteArray &contentType)
{
    m_contentType = contentType;
}

void HttpClient::setFollowRedirects(bool follow)
{
    m_followRedirects = follow;
}

void HttpClient::setConnectTimeout(int milliseconds)
{
    m_connectTimeoutMs = milliseconds;
}

void HttpClient::setStallTimeout(int milliseconds)
{
    m_stallTimeoutMs = milliseconds;
}

void HttpClient::setProgressHook(ProgressHook hook)
{
    m_progressHook = std::move(hook);
}

void HttpClient::setAllowedProtocols(const QByteArray &protocols)
{
    m_protocols = protocols;
}

QByteArray HttpClient::get(const QString &url)
{
    Transfer transfer(*this, url, m_contentType);
    return transfer.run();
}

QByteArray HttpClient::post(const QString &url, const QByteArray &body)
{
    Transfer transfer(*this, url, m_contentType);
    transfer.setBody(body);
    return transfer.run();
}

QByteArray HttpClient::postMultipart(const QString &url, const QList<FilePart> &parts)
{
    // libcurl adds the boundary to this type.
    Transfer transfer(*this, url, "multipart/form-data");
    transfer.setParts(parts);
    return transfer.run();
}

void HttpClient::download(const QString &url, const QString &filePath)
{
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        throw HttpError(QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(filePath));
    Transfer transfer(*this, url, m_contentType);
    transfer.runInto(file);
    if (!file.commit())
        throw HttpError(QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(filePath));
}

void HttpClient::initTransport()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}
