#pragma once

#include "exchange/CurlOptions.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

typedef void CURLSH;

// The HTTP client of one window. It is configured once for the kind of window that owns
// it and keeps its cookies, and the connections it opened, for its whole life. Requests
// are synchronous; every one has a connect time-out and a stall time-out, so a dead
// server ends in an HttpError instead of a hang. Bodies and replies are raw bytes
// (Windows-1252 texts on the wire).
class HttpClient {
public:
    enum class Kind {
        ExchangeWindow,
        // The new-user window and the software update window
        AccountOrUpdateWindow,
    };

    struct FilePart {
        QByteArray fieldName;
        QByteArray fileName;
        QByteArray contentType;
        QByteArray data;
    };

    // Called repeatedly while a request runs (also while it only waits), with the bytes
    // received so far and the expected total (0 while unknown). A window uses it to
    // repaint itself; it must not start another request on this client.
    using ProgressHook = std::function<void(qint64 received, qint64 expected)>;

    static constexpr int DefaultConnectTimeoutMs = CurlOptions::DefaultConnectTimeoutMs;
    static constexpr int DefaultStallTimeoutMs = CurlOptions::DefaultStallTimeoutMs;
    static constexpr long MaxRedirects = CurlOptions::MaxRedirects;
    // Far above the largest real page: a server that sends without end cannot fill the
    // memory. Beyond it the request fails like a broken connection.
    static constexpr qint64 MaxReplyBytes = qint64(64) * 1024 * 1024;

    explicit HttpClient(Kind kind);
    // Sets up the transport library once per process; every user of it calls this first.
    static void initTransport();
    ~HttpClient();
    HttpClient(const HttpClient &) = delete;
    HttpClient &operator=(const HttpClient &) = delete;

    QByteArray userAgent() const { return m_userAgent; }
    QByteArray accept() const { return m_accept; }
    // Sent with every request; a POST routine sets its own, which then stays.
    QByteArray contentType() const { return m_contentType; }
    void setContentType(const QByteArray &contentType);

    // Off until switched on; then at most MaxRedirects are followed.
    void setFollowRedirects(bool follow);
    bool followsRedirects() const { return m_followRedirects; }

    void setConnectTimeout(int milliseconds);
    int connectTimeout() const { return m_connectTimeoutMs; }
    // A request that moves less than CurlOptions::StallBytesPerSecond for this long fails.
    // Resolution is one second.
    void setStallTimeout(int milliseconds);
    int stallTimeout() const { return m_stallTimeoutMs; }
    // No request takes longer than this.
    void setTotalTimeout(int milliseconds);
    int totalTimeout() const { return m_totalTimeoutMs; }
    void setProgressHook(ProgressHook hook);
    // The schemes requests and redirects may use, as libcurl names them; "http,https"
    // unless changed (the CSV import also fetches pictures by "ftp").
    void setAllowedProtocols(const QByteArray &protocols);

    // The reply body of a successful (2xx) answer; otherwise an HttpError.
    QByteArray get(const QString &url);
    QByteArray post(const QString &url, const QByteArray &body);
    QByteArray postMultipart(const QString &url, const QList<FilePart> &parts);
    // Writes the reply body to filePath. The file appears only when the whole body
    // arrived; a failed download leaves any existing file untouched.
    void download(const QString &url, const QString &filePath);

private:
    class Transfer;

    CurlOptions curlOptions() const;

    CURLSH *m_share = nullptr;
    QByteArray m_userAgent;
    QByteArray m_accept;
    QByteArray m_contentType;
    bool m_followRedirects = false;
    int m_connectTimeoutMs = DefaultConnectTimeoutMs;
    int m_stallTimeoutMs = DefaultStallTimeoutMs;
    int m_totalTimeoutMs = CurlOptions::DefaultTotalTimeoutMs;
    ProgressHook m_progressHook;
    QByteArray m_protocols = "http,https";
};
