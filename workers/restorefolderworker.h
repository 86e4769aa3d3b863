#pragma once

#include "requests/copyfolderflags.h"
#include "workers/operationworker.h"

// Brings a folder back from the trash into a folder.
class RestoreFolderWorker : public OperationWorker
{
    Q_OBJECT
public:
    RestoreFolderWorker(DataAccessObject *dao, int folderId, int toFolderId, const QString &folderName,
                        CopyFolderFlags::Flags flag, DirectoryType::RootDirectoryTypes root, QObject *parent = nullptr);

public slots:
    void handleRequest(const QVariantMap &result);

protected:
    void startWork() override;

private:
    const int m_folderId;
    const int m_toFolderId;
    const QString m_folderName;
    const CopyFolderFlags::Flags m_flag;
};
