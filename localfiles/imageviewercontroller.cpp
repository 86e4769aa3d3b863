#include "localfiles/imageviewercontroller.h"

#include "localfiles/cachefolder.h"
#include "workers/downloadfileworker.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QThreadPool>

ImageViewerController::ImageViewerController(QObject *parent)
    : ConnectionController(parent)
{
}

ImageViewerController::~ImageViewerController()
{
    // Every download lives in the folder; one still running finds no folder
    // and leaves nothing behind.
    if (!m_folder.isEmpty())
        QDir(m_folder).removeRecursively();
}

void ImageViewerController::setFolderType(int folderType)
{
    if (folderType == m_folderType)
        return;
    m_folderType = folderType;
    emit folderTypeChanged();
}

QString ImageViewerController::freeImagePath(const QString &imageName)
{
    if (m_folder.isEmpty())
        m_folder = CacheFolder::createUnique();
    if (m_folder.isEmpty())
        return QString();
    // The extension comes from the portal: it must not lead out of the folder.
    QString extension = imageName.split(QLatin1Char('.')).last();
    extension.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]")));
    const QString stem = QString::number(QDateTime::currentMSecsSinceEpoch());
    for (int n = 0;; ++n) {
        const QString name = n == 0 ? stem : QStringLiteral("%1-%2").arg(stem).arg(n);
        const QString path = QStringLiteral("%1/%2.%3").arg(m_folder, name, extension);
        if (!QFileInfo::exists(path))
            return path;
    }
}

void ImageViewerController::startLoadImage(const QString &imageName, int imageId)
{
    if (connectionInProgress() || !m_dao)
        return;
    setConnectionInProgress(true);
    setConnectionFailed(false);
    m_imagePath = freeImagePath(imageName);
    if (m_imagePath.isEmpty()) {
        qWarning() << "Error create path for the image in the cache directory";
        setConnectionInProgress(false);
        setConnectionFailed(true);
        return;
    }
    const QFileInfo target(m_imagePath);
    auto *worker = new DownloadFileWorker(m_dao, imageId, target.absolutePath(), target.fileName(),
                                          DirectoryType::RootDirectoryTypes(m_folderType));
    connect(worker, &Worker::workFinished, this, &ImageViewerController::handleDownloadWork);
    QThreadPool::globalInstance()->start(worker);
}

void ImageViewerController::handleDownloadWork(bool success, const QString &message)
{
    setConnectionInProgress(false);
    // The worker saves under another name when this one got taken: not the image asked for.
    if (!success || !QFileInfo::exists(m_imagePath)) {
        qWarning().noquote() << "Image download failed" << message;
        setConnectionFailed(true);
        return;
    }
    qInfo().noquote() << "Downloaded image" << m_imagePath;
    m_downloaded.insert(m_imagePath);
    emit imageLoaded(m_imagePath);
}

float ImageViewerController::heightToWidthRatio(const QString &imageName) const
{
    const QString path = QString(imageName).remove(QStringLiteral("file://"));
    if (!m_downloaded.contains(path))
        return -1.0f;
    const QImage image(path);
    if (image.isNull() || image.width() == 0)
        return -1.0f;
    return float(image.height()) / float(image.width());
}
