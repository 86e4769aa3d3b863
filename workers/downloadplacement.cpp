#include "downloadplacement.h"

#include "workers/blockfilecopy.h"

#include <QDebug>
#include <QFile>

#include <sys/stat.h>

DownloadPlacement::DownloadPlacement(const QString &download, const FreeFileName &target)
    : m_download(download)
    , m_target(target)
{
}

void DownloadPlacement::run()
{
    QString path;
    if (sharesFileSystem(m_download, m_target.folder())) {
        qInfo() << "Move file" << m_download << "to" << m_target.firstFree();
        // A rename never replaces a file that took the name in the meantime.
        path = m_target.place([this](const QString &name) { return QFile::rename(m_download, name); });
    } else {
        qInfo() << "Copy file" << m_download << ":" << m_target.firstFree();
        path = BlockFileCopy::copy(m_download, m_target);
    }
    QFile::remove(m_download);
    emit placed(path);
}

bool DownloadPlacement::sharesFileSystem(const QString &file, const QString &folder)
{
    struct stat fileStatus = {};
    struct stat folderStatus = {};
    return ::stat(QFile::encodeName(file).constData(), &fileStatus) == 0
           && ::stat(QFile::encodeName(folder).constData(), &folderStatus) == 0
           && fileStatus.st_dev == folderStatus.st_dev;
}
