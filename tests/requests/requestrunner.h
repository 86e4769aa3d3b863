#pragma once

#include <QAtomicInt>
#include <QAtomicPointer>
#include <QObject>
#include <QThread>
#include <QVariantMap>

class RequestInterface;

// Runs a request the way a worker does (global pool, queued result) and
// collects what it reports on the test's thread.
class RequestRunner : public QObject
{
    Q_OBJECT
public:
    // Starts the request on the global pool (which deletes it) and returns
    // its result once the run has ended; an empty map after the time-out.
    QVariantMap run(RequestInterface *request, int timeoutMs = 15000);

    // Of the last run: how often requestFinished came, and from which thread.
    int emissions() const { return m_emissions.loadRelaxed(); }
    QThread *emittingThread() const { return m_thread.loadRelaxed(); }
    QThread *receivingThread() const { return m_receivingThread; }

private:
    QAtomicInt m_emissions;
    QAtomicPointer<QThread> m_thread;
    QThread *m_receivingThread = nullptr;
    QVariantMap m_result;
};
