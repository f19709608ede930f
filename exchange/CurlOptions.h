#pragma once

#include <QByteArray>

typedef void CURL;

// The set-up every transfer of the program shares, the requests of a window's client and
// the picture downloads alike: who we say we are, how long we wait, which protocols a
// request and its redirects may use, and when a transfer counts as stalled.
struct CurlOptions {
    static constexpr long MaxRedirects = 15;
    // A transfer that moves fewer bytes per second than this for the whole stall time has
    // stalled: a server trickling a byte now and then must not hold a request for ever.
    static constexpr long StallBytesPerSecond = 1024;
    static constexpr int DefaultConnectTimeoutMs = 15000;
    static constexpr int DefaultStallTimeoutMs = 60000;
    // No request runs longer, however steadily the server sends.
    static constexpr int DefaultTotalTimeoutMs = 10 * 60 * 1000;

    QByteArray userAgent = exchangeUserAgent();
    int connectTimeoutMs = DefaultConnectTimeoutMs;
    int stallTimeoutMs = DefaultStallTimeoutMs;
    int totalTimeoutMs = DefaultTotalTimeoutMs;
    bool followRedirects = false;
    // What a request itself may use; redirects always stay on http and https.
    QByteArray protocols = "http,https";

    static CurlOptions withTimeouts(int connectMs, int stallMs, int totalMs);

    void applyTo(CURL *easy) const;
    // The stall time in the whole seconds the transport counts in, never below one.
    long stallSeconds() const;

    // The user agent of the exchange window and of the picture downloads.
    static QByteArray exchangeUserAgent();
};
