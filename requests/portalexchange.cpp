#include "portalexchange.h"

#include "requests/replytimeout.h"

#include <QEventLoop>
#include <QHttpMultiPart>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace {

bool hasSuccessStatus(const QNetworkReply *reply)
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return status >= 200 && status < 300;
}

// Moves what has arrived into the sink; false when the sink did not take it all.
bool drainInto(QNetworkReply *reply, QIODevice *sink)
{
    if (reply->error() != QNetworkReply::NoError || !hasSuccessStatus(reply))
        return true;
    const QByteArray chunk = reply->readAll();
    return chunk.isEmpty() || sink->write(chunk) == chunk.size();
}

} // namespace

PortalExchange::PortalExchange()
    : m_manager(std::make_unique<QNetworkAccessManager>())
{
}

PortalExchange::~PortalExchange() = default;

QNetworkReply *PortalExchange::get(const QNetworkRequest &request)
{
    QNetworkReply *reply = start(Method::Get, request);
    waitForFinished(reply);
    return reply;
}

QNetworkReply *PortalExchange::post(const QNetworkRequest &request, const QByteArray &body)
{
    QNetworkReply *reply = start(Method::Post, request, body);
    waitForFinished(reply);
    return reply;
}

QNetworkReply *PortalExchange::deleteResource(const QNetworkRequest &request)
{
    QNetworkReply *reply = start(Method::Delete, request);
    waitForFinished(reply);
    return reply;
}

QNetworkReply *PortalExchange::start(Method method, const QNetworkRequest &request, const QByteArray &body)
{
    switch (method) {
    case Method::Post:
        return watched(m_manager->post(request, body));
    case Method::Delete:
        return watched(m_manager->deleteResource(request));
    case Method::Get:
        break;
    }
    return watched(m_manager->get(request));
}

QNetworkReply *PortalExchange::startMultipart(const QNetworkRequest &request, QHttpMultiPart *multiPart)
{
    QNetworkReply *reply = m_manager->post(request, multiPart);
    multiPart->setParent(reply);
    return watched(reply);
}

bool PortalExchange::waitForFinished(QNetworkReply *reply, QIODevice *sink)
{
    bool sinkAccepted = true;
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (sink) {
        QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
            if (sinkAccepted && !drainInto(reply, sink)) {
                sinkAccepted = false;
                reply->abort();
            }
        });
    }
    if (!reply->isFinished())
        loop.exec();
    if (sink && sinkAccepted)
        sinkAccepted = drainInto(reply, sink);
    return sinkAccepted;
}

QNetworkReply *PortalExchange::watched(QNetworkReply *reply)
{
    ReplyTimeout::watch(reply);
    return reply;
}
