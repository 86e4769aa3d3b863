#include "metafolderpagecontroller.h"

#include "workers/loadfoldersandfilesworker.h"

MetaFolderPageController::MetaFolderPageController(QObject *parent)
    : FolderListingPage(parent)
{
    connect(this, &MetaFolderPageController::directoryTypeChanged, this,
            &MetaFolderPageController::updateEntitiesModel);
}

void MetaFolderPageController::setDirectoryType(DirectoryType::RootDirectoryTypes type)
{
    if (m_directoryType == type)
        return;
    m_directoryType = type;
    emit directoryTypeChanged();
}

bool MetaFolderPageController::isSupported() const
{
    return m_directoryType == DirectoryType::Virtual || m_directoryType == DirectoryType::SharedAccess
        || m_directoryType == DirectoryType::Common;
}

QString MetaFolderPageController::cacheQuery() const
{
    switch (m_directoryType) {
    case DirectoryType::Virtual:
        return QStringLiteral("SELECT * from available_documents WHERE parent_id = %1 OR is_file = 1").arg(folderId());
    case DirectoryType::SharedAccess:
        return QStringLiteral("SELECT * from shared_access_documents WHERE parent_id = %1 OR is_file = 1")
            .arg(folderId());
    case DirectoryType::Common:
        // The listing of a folder holds the folder too: show what is inside.
        return QStringLiteral("SELECT * from shared_documents WHERE parent_id = %1 OR directory_id = %1").arg(folderId());
    default:
        return QString();
    }
}

void MetaFolderPageController::loadFoldersAndFiles(int folderId)
{
    if (!isSupported())
        return;
    if (!m_worker)
        m_worker = new LoadFoldersAndFilesWorker(m_dao, this);
    followLoad("Loading shared documents...", m_worker);
    m_worker->loadFilesAndFolders(folderId, m_directoryType);
}
