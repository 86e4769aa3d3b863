#include "unsharefolderworker.h"

#include "requests/unsharefolderrequest.h"

UnShareFolderWorker::UnShareFolderWorker(DataAccessObject *dao, int entityId, int userId,
                                         FileAccessType::AccessType accessType, const QString &entityName,
                                         DirectoryType::RootDirectoryTypes root, QObject *parent)
    : SingleShareWorker(Folder, dao, entityId, userId, accessType, entityName, root, parent)
{
}

RequestInterface *UnShareFolderWorker::createRequest() const
{
    return new UnShareFolderRequest(m_entityId, m_userId, m_accessType);
}

QString UnShareFolderWorker::successText() const
{
    return tr("Folder %1 already unshared");
}

QString UnShareFolderWorker::failureText() const
{
    return tr("Error unshare folder %1");
}
