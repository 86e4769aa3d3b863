#include "portalexchange.h"

#include "requests/replytimeout.h"

#include <QEventLoop>
#include <QHttpMultiPart>
#include <QMutex>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSet>

namespace {

// The managers of the open exchanges. An exchange leaves before its manager
// goes, so that cancelAll() never posts to a freed one.
struct OpenExchanges
{
    QMutex mutex;
    QSet<QNetworkAccessManager *> managers;
    bool cancelled = false;
};

OpenExchanges &openExchanges()
{
    static OpenExchanges exchanges;
    return exchanges;
}

// Runs on the manager's thread, inside the wait of its request.
void abortReplies(QNetworkAccessManager *manager)
{
    QMetaObject::invokeMethod(
        manager,
        [manager] {
            const QList<QNetworkReply *> replies = manager->findChildren<QNetworkReply *>();
            for (QNetworkReply *reply : replies)
                reply->abort();
        },
        Qt::QueuedConnection);
}

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
    OpenExchanges &open = openExchanges();
    QMutexLocker lock(&open.mutex);
    open.managers.insert(m_manager.get());
}

PortalExchange::~PortalExchange()
{
    OpenExchanges &open = openExchanges();
    QMutexLocker lock(&open.mutex);
    open.managers.remove(m_manager.get());
}

void PortalExchange::cancelAll()
{
    OpenExchanges &open = openExchanges();
    QMutexLocker lock(&open.mutex);
    open.cancelled = true;
    for (QNetworkAccessManager *manager : qAsConst(open.managers))
        abortReplies(manager);
}

bool PortalExchange::isCancelled()
{
    OpenExchanges &open = openExchanges();
    QMutexLocker lock(&open.mutex);
    return open.cancelled;
}

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
    // Aborted from the wait, like the replies that were running at cancelAll().
    if (isCancelled())
        abortReplies(m_manager.get());
    return reply;
}
