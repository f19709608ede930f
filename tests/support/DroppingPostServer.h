#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <thread>
#include <vector>

// A raw HTTP/1.1 server on 127.0.0.1 with an ephemeral port that keeps connections open:
// it answers every GET with "ok" and keeps the connection for the next request, and it
// reads every POST completely and then closes the connection without a byte of answer,
// as a server does that fails while it handles the request. Counts what arrived.
class DroppingPostServer {
public:
    DroppingPostServer();
    ~DroppingPostServer();
    DroppingPostServer(const DroppingPostServer &) = delete;
    DroppingPostServer &operator=(const DroppingPostServer &) = delete;

    QString url(const QString &target) const;
    int postCount() const { return m_posts; }
    int getCount() const { return m_gets; }
    int connectionCount() const { return m_connections; }

private:
    void serve();
    void serveConnection(int socket);
    // One request's head and body; false when the connection closed or the server stops.
    bool readRequest(int socket, QByteArray &pending, QByteArray &method);
    bool readMore(int socket, QByteArray &pending);

    int m_listener = -1;
    quint16 m_port = 0;
    std::atomic<bool> m_stopping{false};
    std::atomic<int> m_posts{0};
    std::atomic<int> m_gets{0};
    std::atomic<int> m_connections{0};
    std::thread m_thread;
    std::vector<std::thread> m_connectionThreads;
};
