#include "folderlistingpage.h"

#include <QDebug>

FolderListingPage::FolderListingPage(QObject *parent)
    : CachedFolderPage(parent)
{
    connect(this, &FolderListingPage::folderIdChanged, this, &FolderListingPage::updateEntitiesModel);
}

void FolderListingPage::setFolderId(int folderId)
{
    if (m_folderId == folderId)
        return;
    m_folderId = folderId;
    emit folderIdChanged();
}

bool FolderListingPage::hasValidFolder() const
{
    if (m_folderId >= 0)
        return true;
    qWarning() << "Error update model, folder id invalid:" << m_folderId;
    return false;
}
