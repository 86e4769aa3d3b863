#pragma once

#include "workers/fileandfolderworker.h"

// Moves a mixed selection into a folder; the page reloads its listing afterwards.
class MoveFileAndFolderWorker : public FileAndFolderWorker
{
    Q_OBJECT
public:
    MoveFileAndFolderWorker(DataAccessObject *dao, const QList<int> &fileIds, const QList<int> &folderIds,
                            const QStringList &fileNames, const QStringList &folderNames, int toFolderId,
                            CopyFolderFlags::Flags flag, DirectoryType::RootDirectoryTypes root,
                            QObject *parent = nullptr);

public slots:
    void handleFilesMovingRequest(const QVariantMap &result);
    void handleFoldersMovingRequest(const QVariantMap &result);

protected:
    void sendFilesRequest() override;
    void sendFoldersRequest() override;
};
