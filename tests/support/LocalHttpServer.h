#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <functional>
#include <memory>

// A small real HTTP server on 127.0.0.1 with an ephemeral port, for transport tests. It
// records every request as it arrived on the wire and answers with scripted replies
// (default: 200 with an empty body). Started by the constructor, stopped by the
// destructor. Handlers run on the server's threads.
class LocalHttpServer {
public:
    struct Part {
        QByteArray name;
        QByteArray fileName;
        QByteArray contentType;
        QByteArray content;
    };

    struct Request {
        QByteArray method;
        QByteArray path;
        // Path and query string exactly as sent
        QByteArray target;
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> headers;
        // Multipart parts in the order they were sent
        QList<Part> parts;

        // The first header of that name (case-insensitive); empty when missing.
        QByteArray header(const QByteArray &name) const;
        bool hasHeader(const QByteArray &name) const;
        QByteArray rawQuery() const;
        // A percent-decoded value of the query string or of a form body.
        QByteArray queryValue(const QByteArray &key) const;
        QByteArray formValue(const QByteArray &key) const;
    };

    struct Reply {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "text/html";
        QList<QPair<QByteArray, QByteArray>> headers;
        // When set, the reply announces the whole body but the connection closes after
        // this many bytes.
        qsizetype dropAfter = -1;
    };

    using Handler = std::function<Reply(const Request &)>;

    LocalHttpServer();
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer &) = delete;
    LocalHttpServer &operator=(const LocalHttpServer &) = delete;

    quint16 port() const;
    // "http://127.0.0.1:<port>"
    QString baseUrl() const;
    QString url(const QString &target) const;

    // Answers requests for path (any method, any query) with the handler.
    void on(const QByteArray &path, Handler handler);
    void reply(const QByteArray &path, Reply reply);
    void reply(const QByteArray &path, const QByteArray &body);
    // Requests for path get no answer until release() or the server's end.
    void stall(const QByteArray &path);
    void release();

    QList<Request> requests() const;
    // The last request, or a request with an empty method when none came.
    Request lastRequest() const;
    int requestCount() const;

    // A port on 127.0.0.1 where nobody listens.
    static quint16 closedPort();

private:
    struct State;
    std::unique_ptr<State> m_state;
};
