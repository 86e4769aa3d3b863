#pragma once

#include "workers/abstractloadentriesworker.h"

// Loads the folders and then the documents of one folder.
class LoadFoldersAndFilesWorker : public AbstractLoadEntriesWorker
{
    Q_OBJECT
public:
    explicit LoadFoldersAndFilesWorker(DataAccessObject *dao, QObject *parent = nullptr);

    void loadFilesAndFolders(int folderId, DirectoryType::RootDirectoryTypes root);

public slots:
    void handleGetDocumentsRequest(const QVariantMap &response) override;
    void handleGetFoldersRequest(const QVariantMap &response) override;
};
