#pragma once

#include "privatesessionbus.h"
#include "securestorageserviceprocess.h"
#include "simulatorprocess.h"

#include <QObject>
#include <QQmlEngine>
#include <QVariantMap>

// Gives the page tests what the application gives its pages: the registered
// types, the context property appVersion and the staged QML folder. Adds a
// simulator on a free port that the tests can steer, and watches the engine
// so that any QML warning fails the test that caused it.
class QmlTestSetup : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString engineWarnings READ engineWarnings NOTIFY engineWarningsChanged)
    Q_PROPERTY(QString portalUrl READ portalUrl CONSTANT)
    Q_PROPERTY(QString demoLogin READ demoLogin CONSTANT)
    Q_PROPERTY(QString demoPassword READ demoPassword CONSTANT)

public:
    QmlTestSetup();

    QString engineWarnings() const { return m_warnings.join(QLatin1Char('\n')); }
    QString portalUrl() const { return m_simulator.baseUrl(); }
    QString demoLogin() const { return SimulatorProcess::s_demoLogin; }
    QString demoPassword() const { return SimulatorProcess::s_demoPassword; }
    bool sawWarnings() const { return m_sawWarnings; }

    // Portal steering for the tests: a fault on one path, all faults off.
    Q_INVOKABLE bool setFault(const QString &path, const QVariantMap &fault);
    Q_INVOKABLE bool clearFaults();
    // The portal's state as its control endpoint dumps it (shares, links, ...).
    Q_INVOKABLE QVariantMap portalState();
    // Removes the settings file: the next start is a first start.
    Q_INVOKABLE void forgetSettings();
    Q_INVOKABLE void clearWarnings();

public slots:
    void applicationAvailable();
    void qmlEngineAvailable(QQmlEngine *engine);

signals:
    void engineWarningsChanged();

private:
    PrivateSessionBus m_bus;
    SecureStorageServiceProcess m_secureStorage;
    SimulatorProcess m_simulator;
    QStringList m_warnings;
    bool m_sawWarnings = false;
};
