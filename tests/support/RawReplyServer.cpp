#include "tests/support/RawReplyServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <list>
#include <mutex>
#include <thread>

namespace {

QByteArray chunked(const QByteArray &bytes)
{
    return QByteArray::number(bytes.size(), 16) + "\r\n" + bytes + "\r\n";
}

} // namespace

struct RawReplyServer::State {
    Behaviour behaviour;
    int listener = -1;
    quint16 port = 0;
    std::atomic<bool> stopping{false};
    std::atomic<int> connections{0};
    std::atomic<qint64> sent{0};
    std::mutex mutex;
    std::condition_variable stopped;
    std::thread acceptor;
    std::list<std::thread> handlers;

    class Peer : public Connection {
    public:
        Peer(State &state, int socket) : m_state(state), m_socket(socket) {}
        bool send(const QByteArray &bytes) override
        {
            qsizetype done = 0;
            while (done < bytes.size() && !m_state.stopping) {
                pollfd out{m_socket, POLLOUT, 0};
                if (::poll(&out, 1, 50) <= 0)
                    continue;
                const ssize_t n = ::send(m_socket, bytes.constData() + done, static_cast<size_t>(bytes.size() - done),
                                         MSG_NOSIGNAL);
                if (n <= 0)
                    return false;
                done += n;
                m_state.sent += n;
            }
            return done == bytes.size();
        }
        bool pause(int milliseconds) override
        {
            std::unique_lock<std::mutex> lock(m_state.mutex);
            return !m_state.stopped.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                             [this] { return m_state.stopping.load(); });
        }
        QByteArray requestHead() const override { return m_head; }
        bool readHead()
        {
            char buffer[4096];
            while (!m_head.contains("\r\n\r\n") && !m_state.stopping) {
                pollfd in{m_socket, POLLIN, 0};
                if (::poll(&in, 1, 50) <= 0)
                    continue;
                const ssize_t n = ::recv(m_socket, buffer, sizeof buffer, 0);
                if (n <= 0)
                    return false;
                m_head.append(buffer, n);
            }
            return !m_state.stopping;
        }

    private:
        State &m_state;
        int m_socket;
        QByteArray m_head;
    };

    void serve(int socket)
    {
        Peer peer(*this, socket);
        if (peer.readHead())
            behaviour(peer);
        ::shutdown(socket, SHUT_RDWR);
        ::close(socket);
    }

    void acceptLoop()
    {
        while (!stopping) {
            pollfd in{listener, POLLIN, 0};
            if (::poll(&in, 1, 50) <= 0)
                continue;
            const int socket = ::accept(listener, nullptr, nullptr);
            if (socket < 0)
                continue;
            ++connections;
            std::lock_guard<std::mutex> lock(mutex);
            handlers.emplace_back([this, socket] { serve(socket); });
        }
    }
};

RawReplyServer::RawReplyServer(Behaviour behaviour) : m_state(std::make_unique<State>())
{
    m_state->behaviour = std::move(behaviour);
    m_state->listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    ::bind(m_state->listener, reinterpret_cast<sockaddr *>(&address), sizeof(address));
    ::listen(m_state->listener, 16);
    ::getsockname(m_state->listener, reinterpret_cast<sockaddr *>(&address), &length);
    m_state->port = ntohs(address.sin_port);
    m_state->acceptor = std::thread([state = m_state.get()] { state->acceptLoop(); });
}

RawReplyServer::~RawReplyServer()
{
    {
        std::lock_guard<std::mutex> lock(m_state->mutex);
        m_state->stopping = true;
    }
    m_state->stopped.notify_all();
    m_state->acceptor.join();
    for (std::thread &handler : m_state->handlers)
        handler.join();
    ::close(m_state->listener);
}

quint16 RawReplyServer::port() const
{
    return m_state->port;
}

QString RawReplyServer::url(const QString &target) const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(port()) + target;
}

int RawReplyServer::connectionCount() const
{
    return m_state->connections;
}

qint64 RawReplyServer::bytesSent() const
{
    return m_state->sent;
}

QByteArray RawReplyServer::head(const QByteArray &contentType, qint64 contentLength)
{
    QByteArray text = "HTTP/1.1 200 OK\r\nContent-Type: " + contentType + "\r\n";
    text += contentLength < 0 ? QByteArray("Transfer-Encoding: chunked\r\n")
                              : "Content-Length: " + QByteArray::number(contentLength) + "\r\n";
    return text + "Connection: close\r\n\r\n";
}

RawReplyServer::Behaviour RawReplyServer::trickle(const QByteArray &head, const QByteArray &start,
                                                  const QByteArray &chunk, int intervalMs)
{
    return [=](Connection &connection) {
        if (!connection.send(head) || !connection.send(start))
            return;
        while (connection.pause(intervalMs) && connection.send(chunk)) {
        }
    };
}

RawReplyServer::Behaviour RawReplyServer::endless(const QByteArray &contentType, const QByteArray &start,
                                                  const QByteArray &chunk)
{
    return [=](Connection &connection) {
        if (!connection.send(head(contentType, -1)) || !connection.send(chunked(start)))
            return;
        const QByteArray wireChunk = chunked(chunk);
        while (connection.send(wireChunk)) {
        }
    };
}
