#include "servertaskpoller.h"

#include "requests/portalexchange.h"
#include "requests/usertaskstatusrequest.h"

#include <QAtomicInt>
#include <QDebug>
#include <QThreadPool>
#include <QTimer>

namespace {
QAtomicInt s_timeLimit = ServerTaskPoller::s_defaultTimeLimitMs;
QAtomicInt s_pollInterval = ServerTaskPoller::s_defaultPollIntervalMs;
}

ServerTaskPoller::ServerTaskPoller(QObject *parent)
    : QObject(parent)
{
}

void ServerTaskPoller::setTimeLimit(int milliseconds)
{
    s_timeLimit.storeRelaxed(milliseconds);
}

int ServerTaskPoller::timeLimit()
{
    return s_timeLimit.loadRelaxed();
}

void ServerTaskPoller::setPollInterval(int milliseconds)
{
    s_pollInterval.storeRelaxed(milliseconds);
}

int ServerTaskPoller::pollInterval()
{
    return s_pollInterval.loadRelaxed();
}

void ServerTaskPoller::start(int taskId)
{
    m_taskId = taskId;
    m_elapsed.start();
    requestStatus();
}

void ServerTaskPoller::requestStatus()
{
    // Quitting: the task is left to the portal, unwatched.
    if (PortalExchange::isCancelled())
        return;
    auto *request = new UserTaskStatusRequest(m_taskId);
    connect(request, &RequestInterface::requestFinished, this, &ServerTaskPoller::handleStatus, Qt::QueuedConnection);
    QThreadPool::globalInstance()->start(request);
}

void ServerTaskPoller::handleStatus(const QVariantMap &result)
{
    const int status = result.value(QStringLiteral("status")).toInt();
    if (!result.value(QStringLiteral("success")).toBool() || status == s_statusComplete || status == s_statusFailed) {
        emit taskFinished(result);
        return;
    }
    if (m_elapsed.elapsed() >= timeLimit()) {
        qWarning() << "Server task" << m_taskId << "did not finish within" << timeLimit() << "ms";
        emit taskFinished({{QStringLiteral("success"), false},
                           {QStringLiteral("error"), tr("The portal did not finish the operation in time.")},
                           {QStringLiteral("taskId"), m_taskId}});
        return;
    }
    QTimer::singleShot(pollInterval(), this, &ServerTaskPoller::requestStatus);
}
