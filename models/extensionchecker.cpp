#include "extensionchecker.h"

#include "models/remoteentitiesmodel.h"

#include <QQmlEngine>
#include <QStringList>

namespace {
QSet<QString> setOf(const QString &words)
{
    const QStringList list = words.split(QLatin1Char(' '));
    return QSet<QString>(list.begin(), list.end());
}
} // namespace

ExtensionChecker::ExtensionChecker(QObject *parent)
    : QObject(parent)
{
}

void ExtensionChecker::registerSingleton(const char *uri)
{
    qmlRegisterSingletonType<ExtensionChecker>(uri, 1, 0, "ExtensionChecker", &ExtensionChecker::provide);
}

QObject *ExtensionChecker::provide(QQmlEngine *, QJSEngine *)
{
    // One instance for the process; the engine must not delete it.
    static ExtensionChecker *const instance = new ExtensionChecker;
    QQmlEngine::setObjectOwnership(instance, QQmlEngine::CppOwnership);
    return instance;
}

bool ExtensionChecker::isDocument(const QString &name) const
{
    return documentExtensions().contains(RemoteEntitiesModel::extension(name));
}

bool ExtensionChecker::isImage(const QString &name) const
{
    return imageExtensions().contains(RemoteEntitiesModel::extension(name));
}

const QSet<QString> &ExtensionChecker::documentExtensions()
{
    static const QSet<QString> set = setOf(QStringLiteral(
        "csv djvu doc docm docx docxf dot dotm dotx epub fb2 fodp fods fodt htm html mht odp ods odt oform otp ots "
        "ott oxps pdf pot potm potx pps ppsm ppsx ppt pptm pptx rtf txt xls xlsb xlsm xlsx xlt xltm xltx xml xps"));
    return set;
}

const QSet<QString> &ExtensionChecker::imageExtensions()
{
    static const QSet<QString> set = setOf(QStringLiteral("jpg jpeg jpe jif jfif jfi bmp png svg"));
    return set;
}
