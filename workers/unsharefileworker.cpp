#include "unsharefileworker.h"

#include "requests/unsharefilerequest.h"

UnShareFileWorker::UnShareFileWorker(DataAccessObject *dao, int entityId, int userId,
                                     FileAccessType::AccessType accessType, const QString &entityName,
                                     DirectoryType::RootDirectoryTypes root, QObject *parent)
    : SingleShareWorker(File, dao, entityId, userId, accessType, entityName, root, parent)
{
}

RequestInterface *UnShareFileWorker::createRequest() const
{
    return new UnShareFileRequest(m_entityId, m_userId, m_accessType);
}

QString UnShareFileWorker::successText() const
{
    return tr("File %1 already unshared");
}

QString UnShareFileWorker::failureText() const
{
    return tr("Error unshare file %1");
}
