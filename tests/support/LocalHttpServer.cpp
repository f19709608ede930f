#include "tests/support/LocalHttpServer.h"

#include <httplib.h>

#include <QHash>
#include <arpa/inet.h>
#include <condition_variable>
#include <mutex>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

QByteArray toBytes(const std::string &text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toStd(const QByteArray &bytes)
{
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

QByteArray valueIn(const QByteArray &pairs, const QByteArray &key)
{
    for (const QByteArray &pair : pairs.split('&')) {
        const qsizetype equals = pair.indexOf('=');
        if (equals >= 0 && pair.left(equals) == key)
            return QByteArray::fromPercentEncoding(pair.mid(equals + 1));
    }
    return {};
}

} // namespace

struct LocalHttpServer::State {
    httplib::Server server;
    std::thread thread;
    int port = 0;

    mutable std::mutex mutex;
    std::condition_variable released;
    bool stallReleased = false;
    QHash<QByteArray, Handler> handlers;
    QList<Request> requests;

    Request record(const httplib::Request &in, QByteArray body, QList<Part> parts)
    {
        Request request;
        request.method = toBytes(in.method);
        request.path = toBytes(in.path);
        request.target = toBytes(in.target);
        request.body = std::move(body);
        request.parts = std::move(parts);
        for (const auto &header : in.headers)
            request.headers.append({toBytes(header.first), toBytes(header.second)});
        std::lock_guard<std::mutex> lock(mutex);
        requests.append(request);
        return request;
    }

    Handler handlerFor(const QByteArray &path) const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return handlers.value(path);
    }

    void answer(const Request &request, httplib::Response &response)
    {
        const Handler handler = handlerFor(request.path);
        const Reply reply = handler ? handler(request) : Reply{};
        response.status = reply.status;
        for (const auto &header : reply.headers)
            response.set_header(toStd(header.first), toStd(header.second));
        if (reply.dropAfter < 0) {
            response.set_content(toStd(reply.body), toStd(reply.contentType).c_str());
            return;
        }
        const std::string body = toStd(reply.body);
        const size_t sent = static_cast<size_t>(reply.dropAfter);
        response.set_content_provider(body.size(), toStd(reply.contentType).c_str(),
                                      [body, sent](size_t, size_t, httplib::DataSink &sink) {
                                          sink.write(body.data(), sent);
                                          return false; // closes the connection
                                      });
    }

    void handleWithoutBody(const httplib::Request &in, httplib::Response &out)
    {
        answer(record(in, {}, {}), out);
    }

    void handleWithBody(const httplib::Request &in, httplib::Response &out, const httplib::ContentReader &reader)
    {
        QByteArray body;
        QList<Part> parts;
        if (in.is_multipart_form_data()) {
            reader(
                [&](const httplib::MultipartFormData &file) {
                    parts.append({toBytes(file.name), toBytes(file.filename), toBytes(file.content_type), {}});
                    return true;
                },
                [&](const char *data, size_t length) {
                    parts.last().content.append(data, static_cast<qsizetype>(length));
                    return true;
                });
        } else {
            reader([&](const char *data, size_t length) {
                body.append(data, static_cast<qsizetype>(length));
                return true;
            });
        }
        answer(record(in, std::move(body), std::move(parts)), out);
    }
};

QByteArray LocalHttpServer::Request::header(const QByteArray &name) const
{
    for (const auto &entry : headers) {
        if (entry.first.compare(name, Qt::CaseInsensitive) == 0)
            return entry.second;
    }
    return {};
}

bool LocalHttpServer::Request::hasHeader(const QByteArray &name) const
{
    for (const auto &entry : headers) {
        if (entry.first.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QByteArray LocalHttpServer::Request::rawQuery() const
{
    const qsizetype question = target.indexOf('?');
    return question < 0 ? QByteArray() : target.mid(question + 1);
}

QByteArray LocalHttpServer::Request::queryValue(const QByteArray &key) const
{
    return valueIn(rawQuery(), key);
}

QByteArray LocalHttpServer::Request::formValue(const QByteArray &key) const
{
    return valueIn(body, key);
}

LocalHttpServer::LocalHttpServer() : m_state(std::make_unique<State>())
{
    State *state = m_state.get();
    // One request per connection, so stopping never waits for an idle kept-alive socket.
    state->server.set_keep_alive_max_count(1);
    const auto plain = [state](const httplib::Request &in, httplib::Response &out) {
        state->handleWithoutBody(in, out);
    };
    const auto withBody = [state](const httplib::Request &in, httplib::Response &out,
                                  const httplib::ContentReader &reader) { state->handleWithBody(in, out, reader); };
    state->server.Get(".*", plain);
    state->server.Delete(".*", plain);
    state->server.Post(".*", withBody);
    state->server.Put(".*", withBody);
    // Listening from here on: requests queue until the thread accepts them.
    state->port = state->server.bind_to_any_port("127.0.0.1");
    state->thread = std::thread([state] { state->server.listen_after_bind(); });
    // stop() only reaches a server that is already running.
    while (!state->server.is_running())
        std::this_thread::yield();
}

LocalHttpServer::~LocalHttpServer()
{
    release();
    m_state->server.stop();
    m_state->thread.join();
}

quint16 LocalHttpServer::port() const
{
    return static_cast<quint16>(m_state->port);
}

QString LocalHttpServer::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(port());
}

QString LocalHttpServer::url(const QString &target) const
{
    return baseUrl() + target;
}

void LocalHttpServer::on(const QByteArray &path, Handler handler)
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->handlers.insert(path, std::move(handler));
}

void LocalHttpServer::reply(const QByteArray &path, Reply reply)
{
    on(path, [reply](const Request &) { return reply; });
}

void LocalHttpServer::reply(const QByteArray &path, const QByteArray &body)
{
    Reply answer;
    answer.body = body;
    reply(path, answer);
}

void LocalHttpServer::stall(const QByteArray &path)
{
    State *state = m_state.get();
    on(path, [state](const Request &) {
        std::unique_lock<std::mutex> lock(state->mutex);
        state->released.wait(lock, [state] { return state->stallReleased; });
        return Reply{};
    });
}

void LocalHttpServer::release()
{
    {
        std::lock_guard<std::mutex> lock(m_state->mutex);
        m_state->stallReleased = true;
    }
    m_state->released.notify_all();
}

QList<LocalHttpServer::Request> LocalHttpServer::requests() const
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->requests;
}

LocalHttpServer::Request LocalHttpServer::lastRequest() const
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->requests.isEmpty() ? Request{} : m_state->requests.last();
}

int LocalHttpServer::requestCount() const
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return static_cast<int>(m_state->requests.size());
}

quint16 LocalHttpServer::closedPort()
{
    const int sock = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof(address);
    ::bind(sock, reinterpret_cast<sockaddr *>(&address), sizeof(address));
    ::getsockname(sock, reinterpret_cast<sockaddr *>(&address), &length);
    ::close(sock);
    return ntohs(address.sin_port);
}
