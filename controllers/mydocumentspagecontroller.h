#pragma once

#include "controllers/folderlistingpage.h"

class LoadFoldersAndFilesWorker;

// A folder of My documents.
class MyDocumentsPageController : public FolderListingPage
{
    Q_OBJECT

public:
    explicit MyDocumentsPageController(QObject *parent = nullptr);

    Q_INVOKABLE void loadFoldersAndFiles(int folderId) override;

    // The rows of a folder of My documents or of the trash.
    static QString folderQuery(int folderId);

signals:
    void foldersAndFilesLoadingFinished();

protected:
    QString cacheQuery() const override;
    void emitLoadingFinished() override { emit foldersAndFilesLoadingFinished(); }

private:
    LoadFoldersAndFilesWorker *m_worker = nullptr;
};
