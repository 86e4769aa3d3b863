#include "app/coreinit.h"
#include "app/fsutils.h"
#include "app/shutdown.h"
#include "app/terminationsignals.h"
#include "app/translationloader.h"
#include "app/webenginesetup.h"
#include "logging/eventlogger.h"
#include "platform/sailfishapp.h"
#include "requests/requestinterface.h"

#include <QDebug>
#include <QDir>
#include <QGuiApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickView>
#include <QQuickWebEngineProfile>

#include <cstdlib>
#include <memory>

namespace {

std::unique_ptr<EventLogger> logger;

void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    logger->handleMessage(type, context, message);
}

// Static destructors may still log after main returns: they must not reach a
// logger that is about to be freed.
struct LoggerRelease
{
    ~LoggerRelease()
    {
        qInstallMessageHandler(nullptr);
        logger.reset();
    }
};

} // namespace

int main(int argc, char *argv[])
{
    static LoggerRelease loggerRelease;
    logger.reset(new EventLogger(QDir::homePath() + QStringLiteral("/Documents/VellixOffice")));
    qInstallMessageHandler(messageHandler);

    WebEngineSetup::initialize();
    QGuiApplication *app = SailfishApp::application(argc, argv);
    QCoreApplication::setOrganizationName(QString::fromLatin1(CoreInit::s_organizationName));
    QCoreApplication::setApplicationName(QString::fromLatin1(CoreInit::s_applicationName));

    setupTerminationSignalsHandler();

    RequestInterface::initNetworkManager(app);

    CoreInit::initResources();
    CoreInit::registerTypes();

    TranslationLoader translations;
    translations.install();

    QQuickView *view = SailfishApp::createView();
    view->rootContext()->setContextProperty(QStringLiteral("appVersion"), QStringLiteral("1.8.5.114"));
    view->setSource(SailfishApp::pathTo(QStringLiteral("qml/VellixOfficeAurora.qml")));
    view->showFullScreen();

    FSUtils::clearCache();
    FSUtils::prepareUserWebSettings();
    WebEngineSetup::applyUserPreferences(QQuickWebEngineProfile::defaultProfile());

    QObject::connect(view->engine(), &QQmlEngine::quit, app, &QCoreApplication::quit);
    const int result = app->exec();

    if (!Shutdown::finishWork()) {
        // A pool thread still holds the cache of the pages: freeing them would
        // pull it away under that thread, so the process ends as it is.
        qWarning() << "Work still running on quit; ending without tear-down";
        std::_Exit(result);
    }
    delete view;
    delete app;
    return result;
}
