#pragma once

#include "workers/fileandfolderworker.h"

// Moves a mixed selection to the trash, or, from the trash page, deletes it for good.
class DeleteFileAndFolderWorker : public FileAndFolderWorker
{
    Q_OBJECT
public:
    DeleteFileAndFolderWorker(DataAccessObject *dao, const QList<int> &fileIds, const QList<int> &folderIds,
                              const QStringList &fileNames, const QStringList &folderNames,
                              DirectoryType::RootDirectoryTypes root, QObject *parent = nullptr);

public slots:
    void handleFilesDeletingRequest(const QVariantMap &result);
    void handleFoldersDeletingRequest(const QVariantMap &result);

protected:
    void sendFilesRequest() override;
    void sendFoldersRequest() override;
};
