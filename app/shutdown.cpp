#include "shutdown.h"

#include "requests/portalexchange.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThreadPool>

namespace Shutdown {

bool finishWork(int boundMs)
{
    // Polls ask the same flag: no new task status is requested from here on.
    PortalExchange::cancelAll();
    const QDeadlineTimer deadline(boundMs);
    QThreadPool *pool = QThreadPool::globalInstance();
    for (;;) {
        // Cache reads of pool threads are made here, and their writes and
        // results are posted here: the main thread keeps serving them.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (pool->waitForDone(20)) {
            QCoreApplication::sendPostedEvents();
            // A handler of the last results may have started more.
            if (pool->activeThreadCount() == 0)
                break;
        }
        if (deadline.hasExpired())
            return false;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return true;
}

} // namespace Shutdown
