#include "app/coreinit.h"
#include "app/webenginesetup.h"
#include "platform/sailfishapp.h"
#include "privatesessionbus.h"
#include "securestorageserviceprocess.h"
#include "simulatorprocess.h"
#include "testenvironment.h"

#include <QFile>
#include <QJsonObject>
#include <QQmlContext>
#include <QQmlEngine>
#include <QStandardPaths>
#include <QtQuickTest>

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
    QmlTestSetup() { TestEnvironment::setUp(); }

    QString engineWarnings() const { return m_warnings.join(QLatin1Char('\n')); }
    QString portalUrl() const { return m_simulator.baseUrl(); }
    QString demoLogin() const { return SimulatorProcess::s_demoLogin; }
    QString demoPassword() const { return SimulatorProcess::s_demoPassword; }
    bool sawWarnings() const { return m_sawWarnings; }

    // Portal steering for the tests: a fault on one path, all faults off.
    Q_INVOKABLE bool setFault(const QString &path, const QVariantMap &fault)
    {
        return m_simulator.setFault(path, QJsonObject::fromVariantMap(fault));
    }
    Q_INVOKABLE bool clearFaults() { return m_simulator.clearFaults(); }
    // The portal's state as its control endpoint dumps it (shares, links, ...).
    Q_INVOKABLE QVariantMap portalState() { return m_simulator.state().toVariantMap(); }
    // Removes the settings file: the next start is a first start.
    Q_INVOKABLE void forgetSettings()
    {
        QFile::remove(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
                      + QStringLiteral("/appConfig.ini"));
    }
    Q_INVOKABLE void clearWarnings()
    {
        m_warnings.clear();
        emit engineWarningsChanged();
    }

public slots:
    void applicationAvailable()
    {
        CoreInit::registerTypes();
        if (!m_bus.start())
            qFatal("The private session bus did not start");
        if (!m_secureStorage.startBus() || !m_secureStorage.start())
            qFatal("The secure-storage service did not start");
        if (!m_simulator.start())
            qFatal("The portal simulator did not start");
    }
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        QQmlContext *context = engine->rootContext();
        context->setContextProperty(QStringLiteral("appVersion"), QStringLiteral("1.8.5.114"));
        context->setContextProperty(QStringLiteral("qmlRoot"), SailfishApp::pathTo(QStringLiteral("qml/")));
        context->setContextProperty(QStringLiteral("testSetup"), this);
        connect(engine, &QQmlEngine::warnings, this, [this](const QList<QQmlError> &warnings) {
            for (const QQmlError &warning : warnings)
                m_warnings.append(warning.toString());
            m_sawWarnings = true;
            emit engineWarningsChanged();
        });
    }

signals:
    void engineWarningsChanged();

private:
    PrivateSessionBus m_bus;
    SecureStorageServiceProcess m_secureStorage;
    SimulatorProcess m_simulator;
    QStringList m_warnings;
    bool m_sawWarnings = false;
};

// QUICK_TEST_MAIN_WITH_SETUP, with one addition: a run during which the QML
// engine warned fails even when every comparison passed.
int main(int argc, char **argv)
{
    QTEST_SET_MAIN_SOURCE_PATH
    // The editor page's web engine must be set up before the application object.
    WebEngineSetup::initialize();
    QmlTestSetup setup;
    const int result = quick_test_main_with_setup(argc, argv, "qmlpages", QUICK_TEST_SOURCE_DIR, &setup);
    if (result == 0 && setup.sawWarnings()) {
        qCritical("The QML engine warned during the run");
        return 1;
    }
    return result;
}

#include "tst_qmlpages.moc"
