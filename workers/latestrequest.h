#pragma once

#include "requests/requestinterface.h"

#include <QDebug>
#include <QObject>
#include <QThreadPool>
#include <QVariantMap>

// Starts a worker's requests on the global pool and hands it only the answer
// of the request it started last. A reused worker may be started again before
// an earlier answer has arrived, and answers from different pool threads may
// come in any order; a superseded answer must neither overwrite the newer
// state nor be reported as the newer result.
class LatestRequest
{
public:
    template <typename W>
    void start(W *worker, RequestInterface *request, void (W::*handler)(const QVariantMap &))
    {
        const quint64 run = ++m_latest;
        QObject::connect(
            request, &RequestInterface::requestFinished, worker,
            [this, worker, handler, run](const QVariantMap &result) {
                if (run != m_latest) {
                    qInfo() << "Ignoring the answer of a superseded request of" << worker->metaObject()->className();
                    return;
                }
                (worker->*handler)(result);
            },
            Qt::QueuedConnection);
        QThreadPool::globalInstance()->start(request);
    }

private:
    quint64 m_latest = 0;
};
