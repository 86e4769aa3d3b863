#pragma once

#include "settings/settings.h"
#include "simulatorprocess.h"

#include <QAtomicInt>
#include <QAtomicPointer>
#include <QJsonObject>
#include <QList>
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

// What a request suite against the simulator shares: the simulator, a
// signed-in demo user, and requests run as a worker runs them.
class PortalSuite
{
public:
    // Time-out for everything but the provoked hangs.
    static constexpr int s_inactivityTimeoutMs = 10000;

    bool start();
    // A fresh portal, the demo user signed in, an empty request log.
    bool prepare();
    // Removes the faults and restores the time-out.
    bool tidyUp();

    // On the global pool; a result other than exactly one, from a pool thread, fails the running test.
    QVariantMap run(RequestInterface *request);

    SimulatorProcess &simulator() { return m_simulator; }
    Settings &settings() { return m_settings; }

    // Empty when the map holds exactly the keys of "key:type key:type ...",
    // with these types; otherwise what differs.
    static QString keysAndTypesMismatch(const QVariantMap &result, const QString &keysAndTypes);
    // Empty when the one recorded request has this method, path and query and
    // the token of the settings (none when it is empty); otherwise what differs.
    QString recordedMismatch(const QString &method, const QString &path, const QJsonObject &query);

private:
    SimulatorProcess m_simulator;
    RequestRunner m_runner;
    Settings m_settings;
};

// The ways an exchange with the portal goes wrong.
namespace PortalFaults {

struct FaultClass
{
    const char *name;
    // A simulator fault, or {"expire": true} for a session that ran out.
    QJsonObject fault;
    // The reply handler's error text for it.
    QString error;
};

// A refusal with a message, an expired session, an unreadable answer, a
// connection closed without an answer or in the middle of one, and a hang.
QList<FaultClass> all();

// Answers with secrets wherever some request reads or logs a reply: an
// object and an array. Every planted secret starts with plantedSecret(); the
// simulator's own editor and link tokens start with "jwt-".
QList<QJsonValue> secretAnswers();
QString plantedSecret();

// Sets one fault class up for the next call of method on path.
bool provoke(SimulatorProcess &simulator, QJsonObject fault, const QString &method, const QString &path);

} // namespace PortalFaults
