#include "sailfishapp.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QQuickView>

namespace SailfishApp {

QGuiApplication *application(int &argc, char **argv)
{
    return new QGuiApplication(argc, argv);
}

QQuickView *createView()
{
    auto *view = new QQuickView;
    view->setResizeMode(QQuickView::SizeRootObjectToView);
    return view;
}

QString dataDirectory()
{
    const QDir binDir(QCoreApplication::applicationDirPath());
    return QDir::cleanPath(binDir.absoluteFilePath(QStringLiteral("../") + QStringLiteral(VELLIX_DATA_SUBDIR)));
}

QUrl pathTo(const QString &relativePath)
{
    return QUrl::fromLocalFile(QDir(dataDirectory()).absoluteFilePath(relativePath));
}

} // namespace SailfishApp
