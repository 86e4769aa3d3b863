#pragma once

#include "workers/fileandfolderworker.h"

// Brings a mixed selection back from the trash into a folder.
class RestoreFileAndFolderWorker : public FileAndFolderWorker
{
    Q_OBJECT
public:
    RestoreFileAndFolderWorker(DataAccessObject *dao, const QList<int> &fileIds, const QList<int> &folderIds,
                               const QStringList &fileNames, const QStringList &folderNames, int toFolderId,
                               CopyFolderFlags::Flags flag, DirectoryType::RootDirectoryTypes root,
                               QObject *parent = nullptr);

public slots:
    void handleFilesRestoringRequest(const QVariantMap &result);
    void handleFoldersRestoringRequest(const QVariantMap &result);

protected:
    void sendFilesRequest() override;
    void sendFoldersRequest() override;
    bool foldersRunAsTask() const override { return false; }
};
