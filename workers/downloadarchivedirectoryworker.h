#pragma once

#include "workers/servertaskworker.h"

#include <QVariantMap>

// Saves a portal folder as a zip archive into a local folder: the portal packs
// it as a server task, and the archive is renamed to a name nothing uses yet.
class DownloadArchiveDirectoryWorker : public ServerTaskWorker
{
    Q_OBJECT
public:
    DownloadArchiveDirectoryWorker(DataAccessObject *dao, int folderId, const QString &folderName,
                                   const QString &targetFolder, DirectoryType::RootDirectoryTypes root,
                                   QObject *parent = nullptr);

public slots:
    void handleArchiveRequest(const QVariantMap &result);
    void handleDownloadRequest(const QVariantMap &result);

protected:
    void startWork() override;
    void taskCompleted() override;
    QString taskCheckFailureText() const override;

private:
    void startDownload(int taskId);
    // The archive's path, or empty when it could not be put there.
    QString moveArchToTaretPath(const QString &tmpPath);
    QString failureText() const;

    const int m_folderId;
    const QString m_folderName;
    const QString m_targetFolder;
    int m_taskId = -1;
};
