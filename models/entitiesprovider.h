#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QQmlEngine;
class QJSEngine;

// Icons, empty-page and introduction pictures, page files and titles of the
// portal sections, as paths relative to the QML pages. A QML singleton.
class EntitiesProvider : public QObject
{
    Q_OBJECT

public:
    enum EmptyImages { CommonError = 0, ConnectToCloud, Folder, NoConnection, Search, StartSearch, Trash };
    Q_ENUM(EmptyImages)
    enum ThemeColor { DarkOnLight = 0, LightOnDark = 1 };
    Q_ENUM(ThemeColor)

    explicit EntitiesProvider(QObject *parent = nullptr);

    static void registerSingleton(const char *uri);

    Q_INVOKABLE QString getFileIcon(const QString &fileName, int darkOnLight) const;
    Q_INVOKABLE QString getEmptyIcon(EmptyImages type, int darkOnLight) const;
    Q_INVOKABLE QString getIntroIcon(int step, int darkOnLight) const;
    Q_INVOKABLE QString qmlPageName(int directoryType) const;
    Q_INVOKABLE QString directoryName(int directoryType) const;
    Q_INVOKABLE QString directoryIcon(int directoryType, int darkOnLight) const;

private:
    struct Section
    {
        const char *icon;
        const char *page;
        const char *title;
    };

    static QObject *provide(QQmlEngine *engine, QJSEngine *scriptEngine);
    static QString themed(int darkOnLight, const QString &subfolder, const QString &file);
    static const QHash<QString, QString> &fileIcons();
    static const QHash<int, Section> &sections();
    static const QHash<int, QString> &emptyImages();
    static const QHash<int, QString> &introImages();
};
