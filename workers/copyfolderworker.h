#pragma once

#include "requests/copyfolderflags.h"
#include "workers/servertaskworker.h"

// Copies folders into a folder through a server task. The folders stay busy
// until the task has ended.
class CopyFolderWorker : public ServerTaskWorker
{
    Q_OBJECT
public:
    CopyFolderWorker(DataAccessObject *dao, const QList<int> &folderIds, int toFolderId, CopyFolderFlags::Flags flag,
                     const QStringList &folderNames, DirectoryType::RootDirectoryTypes root, QObject *parent = nullptr);

public slots:
    void handleCopyRequest(const QVariantMap &result);

protected:
    void startWork() override;
    void taskCompleted() override;
    QString taskCheckFailureText() const override;

private:
    const QList<int> m_folderIds;
    const int m_toFolderId;
    const CopyFolderFlags::Flags m_flag;
    const QStringList m_folderNames;
};
