#pragma once

#include <QString>
#include <QUrl>

class QGuiApplication;
class QQuickView;

// Desktop counterpart of the phone's application library: the application,
// its main view and the lookup of files installed beside the executable.
namespace SailfishApp {

QGuiApplication *application(int &argc, char **argv);
QQuickView *createView();
// Resolves a path relative to the application's data directory
// ("<prefix>/share/VellixOfficeAurora"), which sits next to "bin/" both in the
// build tree and after installation.
QUrl pathTo(const QString &relativePath);
QString dataDirectory();

} // namespace SailfishApp
