#pragma once

#include "workers/freefilename.h"

#include <QObject>
#include <QRunnable>
#include <QString>
#include <QThreadPool>

// Puts a finished download under its free name in the target folder on a
// pool thread, so that the main thread never waits for a large file: a
// rename when the download and the folder share a file system, a block copy
// otherwise. The download is gone afterwards either way.
class DownloadPlacement : public QObject, public QRunnable
{
    Q_OBJECT
public:
    DownloadPlacement(const QString &download, const FreeFileName &target);

    // Starts the placement on the global pool; the handler gets the path used
    // (empty after a failure) on the receiver's thread.
    template <typename W>
    static void start(const QString &download, const FreeFileName &target, W *receiver,
                      void (W::*handler)(const QString &))
    {
        auto *placement = new DownloadPlacement(download, target);
        connect(placement, &DownloadPlacement::placed, receiver, handler, Qt::QueuedConnection);
        QThreadPool::globalInstance()->start(placement);
    }

    void run() override;

signals:
    void placed(const QString &path);

private:
    static bool sharesFileSystem(const QString &file, const QString &folder);

    QString m_download;
    FreeFileName m_target;
};
