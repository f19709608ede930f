#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

// A bare TCP server on 127.0.0.1 with an ephemeral port, for replies no well-behaved
// HTTP server library sends: one that trickles, one that never ends. Each connection
// reads the request head, then the behaviour writes what it likes until it returns, the
// client goes away or the server stops. Started by the constructor, stopped (promptly,
// also in the middle of a trickle) by the destructor.
class RawReplyServer {
public:
    class Connection {
    public:
        virtual ~Connection() = default;
        // False once the client has gone or the server stops.
        virtual bool send(const QByteArray &bytes) = 0;
        // Waits, but returns at once when the server stops; false then.
        virtual bool pause(int milliseconds) = 0;
        virtual QByteArray requestHead() const = 0;
    };
    using Behaviour = std::function<void(Connection &)>;

    explicit RawReplyServer(Behaviour behaviour);
    ~RawReplyServer();
    RawReplyServer(const RawReplyServer &) = delete;
    RawReplyServer &operator=(const RawReplyServer &) = delete;

    quint16 port() const;
    // "http://127.0.0.1:<port>" + target
    QString url(const QString &target) const;
    int connectionCount() const;
    // Total bytes the behaviours managed to send.
    qint64 bytesSent() const;

    // A 200 head announcing contentLength (chunked without end when negative).
    static QByteArray head(const QByteArray &contentType, qint64 contentLength);
    // After the head, `start` and then chunk every interval, for ever.
    static Behaviour trickle(const QByteArray &head, const QByteArray &start, const QByteArray &chunk, int intervalMs);
    // A chunked 200 reply: start, then chunk repeated without end as fast as the client reads.
    static Behaviour endless(const QByteArray &contentType, const QByteArray &start, const QByteArray &chunk);

private:
    struct State;
    std::unique_ptr<State> m_state;
};
