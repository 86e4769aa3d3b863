#pragma once

#include "controllers/cachedfolderpage.h"

// A cached page of one folder: it re-reads when QML points it at another one.
class FolderListingPage : public CachedFolderPage
{
    Q_OBJECT
    Q_PROPERTY(int folderId READ folderId WRITE setFolderId NOTIFY folderIdChanged)

public:
    int folderId() const { return m_folderId; }
    void setFolderId(int folderId);

signals:
    void folderIdChanged();

protected:
    explicit FolderListingPage(QObject *parent);

    // False, with a warning, while no valid folder is set.
    bool hasValidFolder() const;

private:
    int m_folderId = -1;
};
