#pragma once

#include "controllers/folderlistingpage.h"
#include "models/directorytype.h"

class LoadFoldersAndFilesWorker;

// The sections kept in tables of their own: Available for me, Shared access
// and Common. Any other directory type makes the page do nothing.
class MetaFolderPageController : public FolderListingPage
{
    Q_OBJECT
    Q_PROPERTY(DirectoryType::RootDirectoryTypes directoryType READ directoryType WRITE setDirectoryType NOTIFY
                   directoryTypeChanged)

public:
    explicit MetaFolderPageController(QObject *parent = nullptr);

    DirectoryType::RootDirectoryTypes directoryType() const { return m_directoryType; }
    void setDirectoryType(DirectoryType::RootDirectoryTypes type);

    Q_INVOKABLE void loadFoldersAndFiles(int folderId) override;

signals:
    void filesLoadingFinished();
    void directoryTypeChanged();

protected:
    QString cacheQuery() const override;
    void emitLoadingFinished() override { emit filesLoadingFinished(); }

private:
    bool isSupported() const;

    DirectoryType::RootDirectoryTypes m_directoryType = DirectoryType::Default;
    LoadFoldersAndFilesWorker *m_worker = nullptr;
};
