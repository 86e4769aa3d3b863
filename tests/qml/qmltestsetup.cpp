#include "qmltestsetup.h"

#include "app/coreinit.h"
#include "platform/sailfishapp.h"
#include "testenvironment.h"

#include <QFile>
#include <QJsonObject>
#include <QQmlContext>
#include <QStandardPaths>

QmlTestSetup::QmlTestSetup()
{
    TestEnvironment::setUp();
}

void QmlTestSetup::applicationAvailable()
{
    CoreInit::registerTypes();
    if (!m_bus.start())
        qFatal("The private session bus did not start");
    if (!m_secureStorage.startBus() || !m_secureStorage.start())
        qFatal("The secure-storage service did not start");
    if (!m_simulator.start())
        qFatal("The portal simulator did not start");
}

void QmlTestSetup::qmlEngineAvailable(QQmlEngine *engine)
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

bool QmlTestSetup::setFault(const QString &path, const QVariantMap &fault)
{
    return m_simulator.setFault(path, QJsonObject::fromVariantMap(fault));
}

bool QmlTestSetup::clearFaults()
{
    return m_simulator.clearFaults();
}

QVariantMap QmlTestSetup::portalState()
{
    return m_simulator.state().toVariantMap();
}

void QmlTestSetup::forgetSettings()
{
    QFile::remove(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
                  + QStringLiteral("/appConfig.ini"));
}

void QmlTestSetup::clearWarnings()
{
    m_warnings.clear();
    emit engineWarningsChanged();
}
