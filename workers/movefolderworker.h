#pragma once

#include "requests/copyfolderflags.h"
#include "workers/servertaskworker.h"

// Moves folders into another folder through a server task; the page reloads
// its listing afterwards.
class MoveFolderWorker : public ServerTaskWorker
{
    Q_OBJECT
public:
    MoveFolderWorker(DataAccessObject *dao, const QList<int> &folderIds, int toFolderId, CopyFolderFlags::Flags flag,
                     const QStringList &folderNames, DirectoryType::RootDirectoryTypes root, QObject *parent = nullptr);

public slots:
    void handleRequest(const QVariantMap &result);

protected:
    void startWork() override;
    void taskCompleted() override;
    QString taskCheckFailureText() const override;
    QString taskErrorText() const override;

private:
    const QList<int> m_folderIds;
    const int m_toFolderId;
    const CopyFolderFlags::Flags m_flag;
    const QStringList m_folderNames;
};
