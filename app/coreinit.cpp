#include "coreinit.h"

#include "app/applicationversion.h"
#include "models/directorytype.h"
#include "models/sortingoptions.h"
#include "requests/networkreplyhandler.h"
#include "settings/settings.h"

#include <QHash>
#include <QQmlEngine>
#include <QString>

static void initCoreResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace CoreInit {

namespace {
const QString s_notCreatable = QStringLiteral("Error: this type is not creatable in qml.");
}

void initResources()
{
    initCoreResources();
}

void registerTypes()
{
    qRegisterMetaType<QHash<int, QString>>();

    qmlRegisterType<Settings>(s_qmlUri, 1, 0, "Settings");
    qmlRegisterType<ApplicationVersion>(s_qmlUri, 1, 0, "ApplicationVersion");

    qmlRegisterUncreatableType<SortingOptions>(s_qmlUri, 1, 0, "SortingOptions", s_notCreatable);
    qmlRegisterUncreatableType<DirectoryType>(s_qmlUri, 1, 0, "RootDirectory", s_notCreatable);

    qRegisterMetaType<SortingOptions::State>("SortingOptions::State");
    qRegisterMetaType<NetworkReplyHandler>();
}

} // namespace CoreInit
