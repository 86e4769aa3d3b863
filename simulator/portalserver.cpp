#include "simulator/portalserver.h"

#include "simulator/connectionsockets.h"

#include <httplib.h>

#include <QElapsedTimer>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {
constexpr int s_workerThreads = 48;
const QString s_controlPrefix = QStringLiteral("/__control/");
// The library parses multipart bodies itself and cannot hand them over raw;
// the content type is parked under this header until the request is decoded.
const char *const s_parkedContentType = "X-Simulator-Multipart-Content-Type";

// Query text as a form decodes it: "+" is a space, "%2B" a plus sign.
QString decodeQueryPart(const QByteArray &part)
{
    QByteArray text = part;
    text.replace('+', ' ');
    return QString::fromUtf8(QByteArray::fromPercentEncoding(text));
}

void logLine(const QString &method, const QString &target, const QString &outcome, qint64 milliseconds)
{
    static std::mutex mutex;
    std::lock_guard<std::mutex> lock(mutex);
    std::fprintf(stderr, "%s %s %s %lld ms\n", qPrintable(method), target.toUtf8().constData(), qPrintable(outcome),
                 static_cast<long long>(milliseconds));
    std::fflush(stderr);
}
} // namespace

PortalServer::PortalServer(PortalContext *context, Router *router) : m_context(context), m_router(router) {}

PortalServer::~PortalServer() = default;

bool PortalServer::bind(int port, const QString &certificateFile, const QString &keyFile, QString *error)
{
    m_secure = !certificateFile.isEmpty() && !keyFile.isEmpty();
    if (m_secure) {
        m_server = std::make_unique<httplib::SSLServer>(certificateFile.toLocal8Bit().constData(),
                                                        keyFile.toLocal8Bit().constData());
    } else {
        m_server = std::make_unique<httplib::Server>();
    }
    if (!m_server->is_valid()) {
        *error = QStringLiteral("cannot use the certificate %1 with the key %2").arg(certificateFile, keyFile);
        return false;
    }
    m_server->new_task_queue = [] { return new httplib::ThreadPool(s_workerThreads); };
    m_server->set_pre_routing_handler([](const httplib::Request &request, httplib::Response &) {
        const std::string contentType = request.get_header_value("Content-Type");
        if (contentType.rfind("multipart/", 0) == 0) {
            // The library's request object is not const; only its handler view is.
            auto &headers = const_cast<httplib::Headers &>(request.headers);
            headers.erase("Content-Type");
            headers.emplace("Content-Type", "application/octet-stream");
            headers.emplace(s_parkedContentType, contentType);
        }
        return httplib::Server::HandlerResponse::Unhandled;
    });
    const std::string pattern = "[\\s\\S]*";
    m_server->Get(pattern, [this](const httplib::Request &request, httplib::Response &response) {
        handle(request, response, QByteArray::fromStdString(request.body));
    });
    const auto withBody = [this](const httplib::Request &request, httplib::Response &response,
                                 const httplib::ContentReader &reader) {
        QByteArray body;
        reader([&body](const char *data, size_t length) {
            body.append(data, static_cast<int>(length));
            return true;
        });
        handle(request, response, body);
    };
    m_server->Post(pattern, withBody);
    m_server->Put(pattern, withBody);
    m_server->Patch(pattern, withBody);
    m_server->Delete(pattern, withBody);

    if (port == 0) {
        m_port = m_server->bind_to_any_port("127.0.0.1");
    } else if (m_server->bind_to_port("127.0.0.1", port)) {
        m_port = port;
    }
    if (m_port <= 0) {
        *error = QStringLiteral("cannot listen on 127.0.0.1 port %1").arg(port);
        return false;
    }
    return true;
}

void PortalServer::serve()
{
    m_server->listen_after_bind();
}

void PortalServer::stop()
{
    m_stopping = true;
    {
        std::lock_guard<std::mutex> lock(m_waitMutex);
        m_stopped.notify_all();
    }
    m_server->stop();
    // Idle keep-alive connections would hold the workers for seconds.
    ConnectionSockets::dropAll(m_port);
}

ApiRequest PortalServer::decode(const httplib::Request &raw, const QByteArray &body) const
{
    ApiRequest request;
    request.method = QString::fromStdString(raw.method).toUpper();
    request.target = QString::fromUtf8(QByteArray::fromStdString(raw.target));
    const QByteArray target = QByteArray::fromStdString(raw.target);
    const int questionMark = target.indexOf('?');
    request.path = QString::fromUtf8(QByteArray::fromPercentEncoding(questionMark < 0 ? target : target.left(questionMark)));
    if (questionMark >= 0) {
        const QList<QByteArray> pairs = target.mid(questionMark + 1).split('&');
        for (const QByteArray &pair : pairs) {
            if (pair.isEmpty())
                continue;
            const int equals = pair.indexOf('=');
            request.query.insert(decodeQueryPart(equals < 0 ? pair : pair.left(equals)),
                                 equals < 0 ? QString() : decodeQueryPart(pair.mid(equals + 1)));
        }
    }
    for (const auto &header : raw.headers)
        request.headers.insert(QString::fromStdString(header.first).toLower(), QString::fromStdString(header.second));
    const QString parked = QString::fromLatin1(s_parkedContentType).toLower();
    if (request.headers.contains(parked))
        request.headers.insert(QStringLiteral("content-type"), request.headers.take(parked));
    request.body = body;
    const QString host = request.header(QStringLiteral("host"));
    request.baseUrl = QStringLiteral("%1://%2")
                          .arg(m_secure ? QStringLiteral("https") : QStringLiteral("http"),
                               host.isEmpty() ? QStringLiteral("127.0.0.1:%1").arg(m_port) : host);
    return request;
}

void PortalServer::handle(const httplib::Request &raw, httplib::Response &response, const QByteArray &body)
{
    QElapsedTimer timer;
    timer.start();
    ApiRequest request = decode(raw, body);
    const bool control = request.path.startsWith(s_controlPrefix);
    // The fault is taken first: once the log shows a held request, a release reaches it.
    Fault fault;
    const bool faulted = !control && m_context->faults.take(request.method, request.path, &fault);
    if (!control)
        m_context->requests.record(request);

    int status = 0;
    if (faulted) {
        if (!applyFault(fault, request, raw, response, &status)) {
            logLine(request.method, request.target, QStringLiteral("(connection closed by fault)"), timer.elapsed());
            return;
        }
    } else {
        const ApiReply reply = process(request);
        write(reply, response);
        status = reply.status;
    }
    logLine(request.method, request.target, QString::number(status), timer.elapsed());
}

ApiReply PortalServer::process(ApiRequest &request)
{
    const Router::Route *route = m_router->find(request.method, request.path);
    if (!route) {
        return m_router->knowsPath(request.path) ? ApiReply::error(405, QStringLiteral("Method not allowed"))
                                                 : ApiReply::notFound(QStringLiteral("Unknown endpoint %1").arg(request.path));
    }
    if (route->access == Router::Access::SignedIn) {
        request.userId = m_context->tokens.userForAccessToken(request.header(QStringLiteral("authorization")));
        if (request.userId == 0)
            return ApiReply::error(401, QStringLiteral("Unauthorized"));
    }
    std::lock_guard<std::mutex> lock(m_stateMutex);
    if (route->access == Router::Access::SignedIn && !m_context->state.users.contains(request.userId))
        return ApiReply::error(401, QStringLiteral("Unauthorized"));
    return route->handler(request);
}

bool PortalServer::applyFault(const Fault &fault, ApiRequest &request, const httplib::Request &raw,
                              httplib::Response &response, int *status)
{
    const int descriptor = ConnectionSockets::find(raw.local_port, raw.remote_port);
    switch (fault.mode) {
    case Fault::Mode::Drop:
        ConnectionSockets::drop(descriptor);
        return false;
    case Fault::Mode::Hang:
        waitWhileConnected(descriptor, -1, true);
        ConnectionSockets::drop(descriptor);
        return false;
    case Fault::Mode::Hold:
        waitForRelease(descriptor, fault.heldSince);
        if (m_stopping || ConnectionSockets::peerClosed(descriptor)) {
            ConnectionSockets::drop(descriptor);
            return false;
        }
        break;
    case Fault::Mode::Delay:
        waitWhileConnected(descriptor, fault.delayMs, false);
        if (m_stopping) {
            ConnectionSockets::drop(descriptor);
            return false;
        }
        break;
    default:
        break;
    }
    ApiReply reply;
    const bool ownAnswer = fault.hasBody || fault.status != 0 || fault.mode == Fault::Mode::Malformed;
    if (ownAnswer) {
        reply.status = fault.status != 0 ? fault.status : 200;
        reply.body = fault.hasBody ? fault.body
                                   : (fault.mode == Fault::Mode::Malformed ? QByteArrayLiteral("{\"Status\": 200, \"Response\": <html>")
                                                                           : QByteArray());
    } else {
        reply = process(request);
    }
    *status = reply.status;
    if (fault.mode == Fault::Mode::Truncated)
        writeTruncated(reply, response);
    else if (fault.mode == Fault::Mode::Paced)
        writePaced(reply, fault, descriptor, response);
    else
        write(reply, response);
    return true;
}

void PortalServer::waitWhileConnected(int descriptor, int milliseconds, bool untilClosed)
{
    QElapsedTimer timer;
    timer.start();
    std::unique_lock<std::mutex> lock(m_waitMutex);
    while (!m_stopping && !ConnectionSockets::peerClosed(descriptor)) {
        const qint64 left = untilClosed ? 50 : qMin<qint64>(50, milliseconds - timer.elapsed());
        if (left <= 0)
            break;
        m_stopped.wait_for(lock, std::chrono::milliseconds(left));
    }
}

void PortalServer::waitForRelease(int descriptor, int heldSince)
{
    std::unique_lock<std::mutex> lock(m_waitMutex);
    while (!m_stopping && !ConnectionSockets::peerClosed(descriptor) && m_context->faults.releases() == heldSince)
        m_stopped.wait_for(lock, std::chrono::milliseconds(20));
}

void PortalServer::write(const ApiReply &reply, httplib::Response &response)
{
    response.status = reply.status;
    for (auto it = reply.headers.constBegin(); it != reply.headers.constEnd(); ++it)
        response.set_header(it.key().toStdString(), it.value().toStdString());
    response.set_content(reply.body.toStdString(), reply.contentType.toStdString());
}

void PortalServer::writeTruncated(const ApiReply &reply, httplib::Response &response)
{
    response.status = reply.status;
    const std::string sent = reply.body.left(reply.body.size() / 2).toStdString();
    const size_t declared = static_cast<size_t>(reply.body.size()) + 16;
    response.set_content_provider(declared, reply.contentType.toStdString(),
                                  [sent](size_t offset, size_t, httplib::DataSink &sink) {
                                      if (offset < sent.size())
                                          sink.write(sent.data() + offset, sent.size() - offset);
                                      return false;
                                  });
}

void PortalServer::writePaced(const ApiReply &reply, const Fault &fault, int descriptor, httplib::Response &response)
{
    response.status = reply.status;
    for (auto it = reply.headers.constBegin(); it != reply.headers.constEnd(); ++it)
        response.set_header(it.key().toStdString(), it.value().toStdString());
    const auto body = std::make_shared<const std::string>(reply.body.toStdString());
    const size_t chunk = static_cast<size_t>(fault.chunkBytes);
    const int pauseMs = fault.delayMs;
    response.set_content_provider(body->size(), reply.contentType.toStdString(),
                                  [this, body, chunk, pauseMs, descriptor](size_t offset, size_t, httplib::DataSink &sink) {
                                      const size_t length = std::min(chunk, body->size() - offset);
                                      if (!sink.write(body->data() + offset, length))
                                          return false;
                                      // The pause comes between chunks, so the client sees each one alone.
                                      if (offset + length < body->size())
                                          waitWhileConnected(descriptor, pauseMs, false);
                                      return !m_stopping;
                                  });
}
