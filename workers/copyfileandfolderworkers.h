#pragma once

#include "workers/fileandfolderworker.h"

// Copies a mixed selection into a folder; the file copies go into the cache at once.
class CopyFileAndFolderWorkers : public FileAndFolderWorker
{
    Q_OBJECT
public:
    CopyFileAndFolderWorkers(DataAccessObject *dao, const QList<int> &fileIds, const QList<int> &folderIds,
                             const QStringList &fileNames, const QStringList &folderNames, int toFolderId,
                             CopyFolderFlags::Flags flag, DirectoryType::RootDirectoryTypes root,
                             QObject *parent = nullptr);

public slots:
    void handleFilesCopyingRequest(const QVariantMap &result);
    void handleFoldersCopyingRequest(const QVariantMap &result);

protected:
    void sendFilesRequest() override;
    void sendFoldersRequest() override;
    void applyFilesChange(const QVariantMap &result) override;
};
