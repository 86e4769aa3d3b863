#pragma once

#include "requestrunner.h"
#include "settings/settings.h"
#include "simulatorprocess.h"

#include <QJsonObject>
#include <QVariantMap>

class RequestInterface;

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
    // the token of the settings; otherwise what differs.
    QString recordedMismatch(const QString &method, const QString &path, const QJsonObject &query);

private:
    SimulatorProcess m_simulator;
    RequestRunner m_runner;
    Settings m_settings;
};
