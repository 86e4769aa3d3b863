#include "sharefileworker.h"

#include "requests/sharefilerequest.h"

ShareFileWorker::ShareFileWorker(DataAccessObject *dao, int entityId, int userId,
                                 FileAccessType::AccessType accessType, const QString &entityName,
                                 DirectoryType::RootDirectoryTypes root, QObject *parent)
    : SingleShareWorker(File, dao, entityId, userId, accessType, entityName, root, parent)
{
}

RequestInterface *ShareFileWorker::createRequest() const
{
    return new ShareFileRequest(m_entityId, m_userId, m_accessType);
}

QString ShareFileWorker::successText() const
{
    return tr("File %1 already shared");
}

QString ShareFileWorker::failureText() const
{
    return tr("Error share file %1");
}
