#include "copyfolderworker.h"

#include "requests/copyfolderrequest.h"

CopyFolderWorker::CopyFolderWorker(DataAccessObject *dao, const QList<int> &folderIds, int toFolderId,
                                   CopyFolderFlags::Flags flag, const QStringList &folderNames,
                                   DirectoryType::RootDirectoryTypes root, QObject *parent)
    : ServerTaskWorker(dao, root, parent)
    , m_folderIds(folderIds)
    , m_toFolderId(toFolderId)
    , m_flag(flag)
    , m_folderNames(folderNames)
{
}

void CopyFolderWorker::startWork()
{
    markFoldersBusy(m_folderIds);
    startRequest(new CopyFolderRequest(m_folderIds, m_toFolderId, m_flag), &CopyFolderWorker::handleCopyRequest);
}

void CopyFolderWorker::handleCopyRequest(const QVariantMap &result)
{
    if (isFinished())
        return;
    watchServerTask(result, taskCheckFailureText());
}

void CopyFolderWorker::taskCompleted()
{
    QStringList ids;
    for (int id : m_folderIds)
        ids << QString::number(id);
    succeed(tr("Folder %1 already copied").arg(joinNames(m_folderNames)), ids.join(QStringLiteral(", ")));
}

QString CopyFolderWorker::taskCheckFailureText() const
{
    return tr("Error copy folder %1").arg(joinNames(m_folderNames));
}
