#pragma once

#include "workers/worker.h"

#include <QAtomicInt>
#include <QRunnable>

#include <memory>

// A worker started on the global thread pool. From construction it belongs to
// the main thread, where its result handlers run, and the pool never deletes
// it: it frees itself once its run() has returned and its one workFinished has
// been emitted, whichever comes last. It is owned by its run alone: a parent
// would delete it under a running run() and again after it, so one given is
// refused (and logged); the worker carries on and reports to whoever is still
// connected.
class RunnableWorker : public Worker, public QRunnable
{
    Q_OBJECT
public:
    RunnableWorker(Settings *settings, DataAccessObject *dao, QObject *parent);

    void run() final;

protected:
    // The pool-thread part of the operation: create the requests and start them.
    virtual void startWork() = 0;
    // Emits workFinished once; later calls are ignored. Main thread only.
    void finishWork(bool success, const QString &message = QString());
    bool isFinished() const { return m_finished; }

    // Runs the request right here on the pool thread and frees it; its result
    // is queued to the handler on the main thread.
    template <typename W>
    void runRequest(RequestInterface *request, void (W::*handler)(const QVariantMap &))
    {
        const std::unique_ptr<RequestInterface> owned(request);
        connect(request, &RequestInterface::requestFinished, static_cast<W *>(this), handler, Qt::QueuedConnection);
        request->run();
    }

private:
    void release();

    QAtomicInt m_holds{2};
    bool m_finished = false;
};
