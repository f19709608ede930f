#include "tests/support/DroppingPostServer.h"

#include <QList>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr int PollSliceMs = 20;

// Waits up to one slice for the socket to become readable.
bool readable(int socket)
{
    pollfd entry{socket, POLLIN, 0};
    return ::poll(&entry, 1, PollSliceMs) > 0;
}

qsizetype contentLength(const QByteArray &head)
{
    for (const QByteArray &line : head.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.toLower().startsWith("content-length:"))
            return trimmed.mid(int(sizeof("content-length:")) - 1).trimmed().toLongLong();
    }
    return 0;
}
} // namespace

DroppingPostServer::DroppingPostServer()
{
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    if (m_listener < 0 || ::bind(m_listener, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0
        || ::listen(m_listener, 8) != 0
        || ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length) != 0)
        throw std::runtime_error("test server cannot listen");
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { serve(); });
}

DroppingPostServer::~DroppingPostServer()
{
    m_stopping = true;
    m_thread.join();
    ::close(m_listener);
}

QString DroppingPostServer::url(const QString &target) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(target);
}

void DroppingPostServer::serve()
{
    while (!m_stopping) {
        if (!readable(m_listener))
            continue;
        const int socket = ::accept(m_listener, nullptr, nullptr);
        if (socket < 0)
            continue;
        ++m_connections;
        // Each connection on its own thread: a kept connection waits while the client
        // opens another one.
        m_connectionThreads.emplace_back([this, socket] {
            serveConnection(socket);
            ::close(socket);
        });
    }
    for (std::thread &thread : m_connectionThreads)
        thread.join();
}

void DroppingPostServer::serveConnection(int socket)
{
    static const QByteArray answer = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 2\r\n"
                                     "Connection: keep-alive\r\n\r\nok";
    QByteArray pending;
    QByteArray method;
    while (readRequest(socket, pending, method)) {
        if (method == "POST") {
            ++m_posts;
            return;
        }
        ++m_gets;
        if (::send(socket, answer.constData(), size_t(answer.size()), MSG_NOSIGNAL) != answer.size())
            return;
    }
}

bool DroppingPostServer::readRequest(int socket, QByteArray &pending, QByteArray &method)
{
    qsizetype headEnd = -1;
    while ((headEnd = pending.indexOf("\r\n\r\n")) < 0) {
        if (!readMore(socket, pending))
            return false;
    }
    const QByteArray head = pending.left(headEnd);
    method = head.left(head.indexOf(' '));
    const qsizetype requestEnd = headEnd + 4 + contentLength(head);
    while (pending.size() < requestEnd) {
        if (!readMore(socket, pending))
            return false;
    }
    pending.remove(0, requestEnd);
    return true;
}

bool DroppingPostServer::readMore(int socket, QByteArray &pending)
{
    while (!m_stopping) {
        if (!readable(socket))
            continue;
        char buffer[4096];
        const ssize_t received = ::recv(socket, buffer, sizeof(buffer), 0);
        if (received <= 0)
            return false;
        pending.append(buffer, received);
        return true;
    }
    return false;
}
