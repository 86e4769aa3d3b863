#include "onlinestate.h"

#include "settings/settings.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QNetworkConfigurationManager>
#include <QThread>
#include <QUrl>

// The bearer API is deprecated in Qt 5.15 but is what the phone's Qt offers.
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

namespace {

QNetworkConfigurationManager *createManager()
{
    auto *manager = new QNetworkConfigurationManager;
    // Its owner thread may be a pool thread that ends long before the process.
    if (QCoreApplication *app = QCoreApplication::instance())
        manager->moveToThread(app->thread());
    return manager;
}

QNetworkConfigurationManager &configurationManager()
{
    // Never destroyed: the platform's bearer backend goes away with the
    // application object, before static destructors would run.
    static QNetworkConfigurationManager *const manager = createManager();
    return *manager;
}

} // namespace

bool OnlineState::isOnline()
{
    return isOnline(getPortalAddress());
}

bool OnlineState::isOnline(const QString &portalAddress)
{
    QNetworkConfigurationManager &manager = configurationManager();
    return manager.isOnline() || manager.allConfigurations().isEmpty() || isLoopbackAddress(portalAddress);
}

void OnlineState::prepare()
{
    configurationManager();
}

QT_WARNING_POP

bool OnlineState::isLoopbackAddress(const QString &portalAddress)
{
    const QString host = QUrl(portalAddress, QUrl::TolerantMode).host();
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}
