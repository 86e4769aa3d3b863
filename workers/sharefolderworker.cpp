#include "sharefolderworker.h"

#include "requests/sharefolderrequest.h"

ShareFolderWorker::ShareFolderWorker(DataAccessObject *dao, int entityId, int userId,
                                     FileAccessType::AccessType accessType, const QString &entityName,
                                     DirectoryType::RootDirectoryTypes root, QObject *parent)
    : SingleShareWorker(Folder, dao, entityId, userId, accessType, entityName, root, parent)
{
}

RequestInterface *ShareFolderWorker::createRequest() const
{
    return new ShareFolderRequest(m_entityId, m_userId, m_accessType);
}

QString ShareFolderWorker::successText() const
{
    return tr("Folder %1 already shared");
}

QString ShareFolderWorker::failureText() const
{
    return tr("Error share folder %1");
}
