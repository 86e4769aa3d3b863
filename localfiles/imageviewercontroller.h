#pragma once

#include "controllers/connectioncontroller.h"

#include <QSet>
#include <QString>

// The image viewer page: downloads a portal image into a folder of its own in
// the cache directory, tells the page where it is and how tall it is for its
// width, and removes everything it downloaded when the page goes away.
class ImageViewerController : public ConnectionController
{
    Q_OBJECT
    Q_PROPERTY(int folderType READ folderType WRITE setFolderType NOTIFY folderTypeChanged)

public:
    explicit ImageViewerController(QObject *parent = nullptr);
    ~ImageViewerController() override;

    int folderType() const { return m_folderType; }
    void setFolderType(int folderType);

    // Ignored while a download runs or no cache is set.
    Q_INVOKABLE void startLoadImage(const QString &imageName, int imageId);
    // Height over width of an image this viewer downloaded; -1 for any other
    // file and for one that is no readable image.
    Q_INVOKABLE float heightToWidthRatio(const QString &imageName) const;

public slots:
    void handleDownloadWork(bool success, const QString &message = QString());

signals:
    void folderTypeChanged();
    void imageLoaded(const QString &imagePath);

private:
    // A path in this viewer's folder that nothing uses yet; empty when the
    // folder cannot be made.
    QString freeImagePath(const QString &imageName);

    int m_folderType = 0;
    QString m_imagePath;
    QSet<QString> m_downloaded;
    QString m_folder;
};
