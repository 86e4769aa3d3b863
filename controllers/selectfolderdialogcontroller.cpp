#include "selectfolderdialogcontroller.h"

#include "database/dataaccessobject.h"
#include "workers/getfoldersworker.h"

SelectFolderDialogController::SelectFolderDialogController(QObject *parent)
    : FolderListingPage(parent)
{
}

void SelectFolderDialogController::setParentId(int parentId)
{
    if (m_parentId == parentId)
        return;
    m_parentId = parentId;
    emit parentIdChanged();
}

void SelectFolderDialogController::setParentName(const QString &parentName)
{
    if (m_parentName == parentName)
        return;
    m_parentName = parentName;
    emit parentNameChanged();
}

QString SelectFolderDialogController::cacheQuery() const
{
    if (!hasValidFolder())
        return QString();
    return QStringLiteral("SELECT * from files_and_folders WHERE is_file = 0 AND (parent_id = %1 OR directory_id = %1)")
        .arg(folderId());
}

void SelectFolderDialogController::loadFoldersAndFiles(int folderId)
{
    if (m_dao) {
        if (folderId <= 0)
            folderId = m_dao->retrieveFolderIdByType(DirectoryType::MyDocuments);
        setFolderId(folderId);
        setParentId(m_dao->retrieveParentFolderId(folderId));
        if (m_parentId != 0)
            setParentName(m_dao->retrieveFolderNameById(m_parentId));
    }
    if (!m_worker)
        m_worker = new GetFoldersWorker(m_dao, this);
    followLoad("Loading folders...", m_worker);
    m_worker->getFoldersFromServer(folderId, DirectoryType::MyDocuments);
}
