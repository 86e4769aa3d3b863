#include "requestrunner.h"

#include "requests/requestinterface.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QThreadPool>

QVariantMap RequestRunner::run(RequestInterface *request, int timeoutMs)
{
    m_emissions.storeRelaxed(0);
    m_onCallerThread.storeRelaxed(0);
    m_result.clear();
    QThread *caller = QThread::currentThread();
    connect(
        request, &RequestInterface::requestFinished, request,
        [this, caller] {
            m_emissions.ref();
            if (QThread::currentThread() == caller)
                m_onCallerThread.ref();
        },
        Qt::DirectConnection);
    connect(request, &RequestInterface::requestFinished, this, [this](const QVariantMap &result) { m_result = result; });

    QThreadPool *pool = QThreadPool::globalInstance();
    pool->start(request);
    // The caller's thread keeps turning: loopback servers of the test live on it.
    const QDeadlineTimer deadline(timeoutMs);
    while (pool->activeThreadCount() > 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    // Deliver whatever the run queued before it ended.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    return m_result;
}
