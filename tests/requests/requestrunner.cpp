#include "requestrunner.h"

#include "requests/requestinterface.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThreadPool>

QVariantMap RequestRunner::run(RequestInterface *request, int timeoutMs)
{
    m_emissions.storeRelaxed(0);
    m_thread.storeRelaxed(nullptr);
    m_receivingThread = nullptr;
    m_result.clear();
    connect(
        request, &RequestInterface::requestFinished, request,
        [this] {
            m_emissions.ref();
            m_thread.storeRelaxed(QThread::currentThread());
        },
        Qt::DirectConnection);
    connect(request, &RequestInterface::requestFinished, this, [this](const QVariantMap &result) {
        m_receivingThread = QThread::currentThread();
        m_result = result;
    });

    QThreadPool *pool = QThreadPool::globalInstance();
    pool->start(request);
    // The test's thread keeps turning: loopback servers of the test live on it.
    const QDeadlineTimer deadline(timeoutMs);
    while (pool->activeThreadCount() > 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    // Deliver whatever the run queued before it ended.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    return m_result;
}
