#pragma once

#include <QObject>
#include <QSet>
#include <QString>

class QQmlEngine;
class QJSEngine;

// Tells documents the editor opens and images the viewer shows by the
// extension of their names (exact, case-sensitive). A QML singleton.
class ExtensionChecker : public QObject
{
    Q_OBJECT

public:
    explicit ExtensionChecker(QObject *parent = nullptr);

    static void registerSingleton(const char *uri);

    Q_INVOKABLE bool isDocument(const QString &name) const;
    Q_INVOKABLE bool isImage(const QString &name) const;

    static const QSet<QString> &documentExtensions();
    static const QSet<QString> &imageExtensions();

private:
    static QObject *provide(QQmlEngine *engine, QJSEngine *scriptEngine);
};
