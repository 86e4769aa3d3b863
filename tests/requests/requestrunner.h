#pragma once

#include <QAtomicInt>
#include <QObject>
#include <QVariantMap>

class RequestInterface;

// Runs a request the way a worker does (global pool, queued result) and
// collects what it reports on the caller's thread.
class RequestRunner : public QObject
{
    Q_OBJECT
public:
    // Starts the request on the global pool (which deletes it) and returns
    // its result once the run has ended; an empty map after the time-out.
    QVariantMap run(RequestInterface *request, int timeoutMs = 15000);
    // Of the last run: requestFinished came exactly once, and from a pool thread.
    bool reportedOnceFromThePool() const { return m_emissions.loadRelaxed() == 1 && m_onCallerThread.loadRelaxed() == 0; }

private:
    QAtomicInt m_emissions;
    QAtomicInt m_onCallerThread;
    QVariantMap m_result;
};
