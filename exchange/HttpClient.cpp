#include "exchange/HttpClient.h"

#include "exchange/HttpError.h"
#include "exchange/WireUrl.h"
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
        m_client.curlOptions().applyTo(m_curl);
        configureHeaders();
        configureCallbacks();
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
        if (m_tooLarge)
            throw HttpError(tooLargeText());
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

    static QString tooLargeText()
    {
        return QStringLiteral("Die Verbindung zum Server wurde unterbrochen (die Antwort ist größer als %1 MB)")
            .arg(MaxReplyBytes / (1024 * 1024));
    }

    // Returning less than it was given ends the transfer; nothing may be thrown here.
    static size_t collect(char *data, size_t size, size_t count, void *self)
    {
        auto *transfer = static_cast<Transfer *>(self);
        const qint64 length = static_cast<qint64>(size * count);
        transfer->m_received += length;
        if (transfer->m_received > MaxReplyBytes) {
            transfer->m_tooLarge = true;
            return 0;
        }
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
    qint64 m_received = 0;
    bool m_tooLarge = false;
    std::exception_ptr m_hookFailure;
    char m_error[CURL_ERROR_SIZE];
};

HttpClient::HttpClient(Kind kind)
    : m_accept("text/html, */*"), m_contentType("text/html")
{
    initTransport();
    m_userAgent = kind == Kind::ExchangeWindow ? CurlOptions::exchangeUserAgent()
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

void HttpClient::setTotalTimeout(int milliseconds)
{
    m_totalTimeoutMs = milliseconds;
}

CurlOptions HttpClient::curlOptions() const
{
    CurlOptions options = CurlOptions::withTimeouts(m_connectTimeoutMs, m_stallTimeoutMs, m_totalTimeoutMs);
    options.userAgent = m_userAgent;
    options.followRedirects = m_followRedirects;
    options.protocols = m_protocols;
    return options;
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
