#pragma once

#include "workers/servertaskworker.h"

// Moves a folder to the trash, or, from the trash page, deletes it for good;
// the portal does it as a server task.
class DeleteFolderWorker : public ServerTaskWorker
{
    Q_OBJECT
public:
    DeleteFolderWorker(DataAccessObject *dao, int folderId, const QString &folderName,
                       DirectoryType::RootDirectoryTypes root, QObject *parent = nullptr);

public slots:
    void handleDeleteRequest(const QVariantMap &result);

protected:
    void startWork() override;
    void taskCompleted() override;
    QString taskCheckFailureText() const override;

private:
    const int m_folderId;
    const QString m_folderName;
};
