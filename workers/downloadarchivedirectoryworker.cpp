#include "downloadarchivedirectoryworker.h"

#include "requests/archivedirectoryrequest.h"
#include "requests/usertaskdownloadrequest.h"
#include "workers/freefilename.h"

#include <QDebug>
#include <QFile>

DownloadArchiveDirectoryWorker::DownloadArchiveDirectoryWorker(DataAccessObject *dao, int folderId,
                                                               const QString &folderName,
                                                               const QString &targetFolder,
                                                               DirectoryType::RootDirectoryTypes root,
                                                               QObject *parent)
    : ServerTaskWorker(dao, root, parent)
    , m_folderId(folderId)
    , m_folderName(folderName)
    , m_targetFolder(targetFolder)
{
}

void DownloadArchiveDirectoryWorker::startWork()
{
    markFoldersBusy({m_folderId});
    startRequest(new ArchiveDirectoryRequest(m_folderId), &DownloadArchiveDirectoryWorker::handleArchiveRequest);
}

void DownloadArchiveDirectoryWorker::handleArchiveRequest(const QVariantMap &result)
{
    if (isFinished())
        return;
    m_taskId = result.value(QStringLiteral("taskId")).toInt();
    watchServerTask(result, failureText());
}

void DownloadArchiveDirectoryWorker::taskCompleted()
{
    qInfo() << "Check task" << m_taskId;
    qInfo() << "Archive folder" << m_folderId << "success";
    startDownload(m_taskId);
}

QString DownloadArchiveDirectoryWorker::taskCheckFailureText() const
{
    return failureText();
}

void DownloadArchiveDirectoryWorker::startDownload(int taskId)
{
    // Announced first, so that it never arrives after the outcome.
    publishInfoNotify(tr("Start download archive %1").arg(m_folderName));
    auto *request = new UserTaskDownloadRequest(taskId, m_targetFolder);
    forwardProgress(request);
    startRequest(request, &DownloadArchiveDirectoryWorker::handleDownloadRequest);
}

void DownloadArchiveDirectoryWorker::handleDownloadRequest(const QVariantMap &result)
{
    if (isFinished())
        return;
    const QString failure = tr("Error download folder archive %1").arg(m_folderName);
    if (!succeeded(result)) {
        qWarning() << "Download archive error" << errorText(result);
        fail(failure, result);
        return;
    }
    const QString path = moveArchToTaretPath(result.value(QStringLiteral("taskDownloadPath")).toString());
    if (path.isEmpty()) {
        qWarning() << "Move arch to target path error";
        const QString message = tr("Could not save the archive in %1").arg(m_targetFolder);
        fail(failure, message, message);
        return;
    }
    qInfo() << "Download archive" << m_folderName << "success";
    emit transferSaved(path);
    succeed(tr("Download folder archive %1 success").arg(m_folderName), QString());
}

QString DownloadArchiveDirectoryWorker::moveArchToTaretPath(const QString &tmpPath)
{
    const FreeFileName target(FreeFileName::Archive, m_targetFolder, m_folderName);
    // QFile::rename never replaces an existing file.
    const QString placed = target.place([&tmpPath](const QString &name) { return QFile::rename(tmpPath, name); });
    if (placed.isEmpty())
        QFile::remove(tmpPath);
    return placed;
}

QString DownloadArchiveDirectoryWorker::failureText() const
{
    return tr("Error archive folder %1").arg(m_folderName);
}
