#include "entitiesprovider.h"

#include "models/directorytype.h"
#include "models/remoteentitiesmodel.h"

#include <QCoreApplication>
#include <QQmlEngine>
#include <QStringList>

namespace {
const QString s_otherFileIcon = QStringLiteral("icon-m-file-other.svg");
}

EntitiesProvider::EntitiesProvider(QObject *parent)
    : QObject(parent)
{
}

void EntitiesProvider::registerSingleton(const char *uri)
{
    qmlRegisterSingletonType<EntitiesProvider>(uri, 1, 0, "EntitiesProvider", &EntitiesProvider::provide);
}

QObject *EntitiesProvider::provide(QQmlEngine *, QJSEngine *)
{
    // One instance for the process; the engine must not delete it.
    static EntitiesProvider *const instance = new EntitiesProvider;
    QQmlEngine::setObjectOwnership(instance, QQmlEngine::CppOwnership);
    return instance;
}

QString EntitiesProvider::themed(int darkOnLight, const QString &subfolder, const QString &file)
{
    QString theme = darkOnLight < LightOnDark ? QStringLiteral("light") : QStringLiteral("dark");
    if (!subfolder.isEmpty())
        theme += QLatin1Char('/') + subfolder;
    return QStringLiteral("../icons/%1/%2").arg(theme, file);
}

QString EntitiesProvider::getFileIcon(const QString &fileName, int darkOnLight) const
{
    return themed(darkOnLight, QString(),
                  fileIcons().value(RemoteEntitiesModel::extension(fileName), s_otherFileIcon));
}

QString EntitiesProvider::getEmptyIcon(EmptyImages type, int darkOnLight) const
{
    const QString file = emptyImages().value(type);
    return file.isEmpty() ? QString() : themed(darkOnLight, QStringLiteral("empty"), file);
}

QString EntitiesProvider::getIntroIcon(int step, int darkOnLight) const
{
    const QString file = introImages().value(step);
    return file.isEmpty() ? QString() : themed(darkOnLight, QStringLiteral("intro"), file);
}

QString EntitiesProvider::qmlPageName(int directoryType) const
{
    const auto section = sections().constFind(directoryType);
    return section == sections().cend() ? QString() : QString::fromLatin1(section->page);
}

QString EntitiesProvider::directoryName(int directoryType) const
{
    const auto section = sections().constFind(directoryType);
    if (section == sections().cend() || !*section->title)
        return QString();
    return QCoreApplication::translate("EntitiesProvider", section->title);
}

QString EntitiesProvider::directoryIcon(int directoryType, int darkOnLight) const
{
    const auto section = sections().constFind(directoryType);
    return section == sections().cend() ? QString()
                                        : themed(darkOnLight, QString(), QString::fromLatin1(section->icon));
}

const QHash<QString, QString> &EntitiesProvider::fileIcons()
{
    static const QHash<QString, QString> icons = [] {
        const QList<QPair<QString, QString>> groups = {
            {QStringLiteral("icon-m-file-document.svg"), QStringLiteral("doc docm docx docxf rtf odt fodt")},
            {QStringLiteral("icon-m-file-spreadsheet.svg"), QStringLiteral("csv xls xlsb xlsm xlsx ods fods")},
            {QStringLiteral("icon-m-file-presentation.svg"), QStringLiteral("ppt pptx odp fodp")},
            {QStringLiteral("icon-m-file-pdf.svg"), QStringLiteral("pdf")},
            {QStringLiteral("icon-m-image.svg"), QStringLiteral("jpg jpeg jpe jif jfif jfi bmp png svg")},
        };
        QHash<QString, QString> byExtension;
        for (const auto &group : groups) {
            for (const QString &extension : group.second.split(QLatin1Char(' ')))
                byExtension.insert(extension, group.first);
        }
        return byExtension;
    }();
    return icons;
}

const QHash<int, EntitiesProvider::Section> &EntitiesProvider::sections()
{
    static const QHash<int, Section> table = {
        {DirectoryType::Default, {"icon-m-file-folder.svg", "", ""}},
        {DirectoryType::Common, {"icon-m-company.svg", "CommonPage.qml", QT_TRANSLATE_NOOP("EntitiesProvider", "Common")}},
        {DirectoryType::MyDocuments,
         {"icon-m-media-artists.svg", "MyDocumentsPage.qml", QT_TRANSLATE_NOOP("EntitiesProvider", "My documents")}},
        {DirectoryType::Virtual,
         {"icon-m-feed.svg", "AvailableToMePage.qml", QT_TRANSLATE_NOOP("EntitiesProvider", "Available for me")}},
        {DirectoryType::Favorite,
         {"icon-m-favorite.svg", "FavoritesPage.qml", QT_TRANSLATE_NOOP("EntitiesProvider", "Favorites")}},
        {DirectoryType::Trash, {"icon-m-delete.svg", "TrashPage.qml", QT_TRANSLATE_NOOP("EntitiesProvider", "Trash")}},
        {DirectoryType::LastDocuments,
         {"icon-m-clock.svg", "LastDocumentsPage.qml", QT_TRANSLATE_NOOP("EntitiesProvider", "Last documents")}},
        {DirectoryType::SharedAccess,
         {"icon-m-users.svg", "SharedAccessDocumentsPage.qml", QT_TRANSLATE_NOOP("EntitiesProvider", "Shared access")}},
    };
    return table;
}

const QHash<int, QString> &EntitiesProvider::emptyImages()
{
    static const QHash<int, QString> table = {
        {CommonError, QStringLiteral("empty-common-error.svg")},
        {ConnectToCloud, QStringLiteral("empty-connect-to-cloud.svg")},
        {Folder, QStringLiteral("empty-folder.svg")},
        {NoConnection, QStringLiteral("empty-no-connection.svg")},
        {Search, QStringLiteral("empty-search-result.svg")},
        {StartSearch, QStringLiteral("empty-start-search.svg")},
        {Trash, QStringLiteral("empty-trash.svg")},
    };
    return table;
}

const QHash<int, QString> &EntitiesProvider::introImages()
{
    static const QHash<int, QString> table = {
        {1, QStringLiteral("intro-step-one.png")},   {2, QStringLiteral("intro-step-two.png")},
        {3, QStringLiteral("intro-step-three.png")}, {4, QStringLiteral("intro-step-four.png")},
        {5, QStringLiteral("intro-step-five.png")},
    };
    return table;
}
