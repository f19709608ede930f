#include "exchange/CurlOptions.h"

#include <curl/curl.h>

#include <algorithm>

CurlOptions CurlOptions::withTimeouts(int connectMs, int stallMs, int totalMs)
{
    CurlOptions options;
    options.connectTimeoutMs = connectMs;
    options.stallTimeoutMs = stallMs;
    options.totalTimeoutMs = totalMs;
    return options;
}

void CurlOptions::applyTo(CURL *easy) const
{
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    // Never anything but HTTP: a server's address or its redirect must not make the
    // program speak another protocol into the seller's network.
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, protocols.constData());
    // Redirects never leave the web, whatever a request itself may use.
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, followRedirects ? 1L : 0L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, MaxRedirects);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(connectTimeoutMs));
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, StallBytesPerSecond);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, stallSeconds());
    curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, static_cast<long>(totalTimeoutMs));
    curl_easy_setopt(easy, CURLOPT_USERAGENT, userAgent.constData());
}

long CurlOptions::stallSeconds() const
{
    return std::max(1L, static_cast<long>((stallTimeoutMs + 999) / 1000));
}

QByteArray CurlOptions::exchangeUserAgent()
{
    return QByteArrayLiteral("Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1)");
}
