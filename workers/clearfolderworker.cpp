#include "clearfolderworker.h"

#include "requests/clearfolderrequest.h"

ClearFolderWorker::ClearFolderWorker(const QString &folderName, int folderId, QObject *parent)
    : ServerTaskWorker(nullptr, DirectoryType::Default, parent)
    , m_folderName(folderName)
    , m_folderId(folderId)
{
}

void ClearFolderWorker::startWork()
{
    startRequest(new ClearFolderRequest(m_folderId), &ClearFolderWorker::handleClearRequest);
}

void ClearFolderWorker::handleClearRequest(const QVariantMap &result)
{
    if (isFinished())
        return;
    watchServerTask(result, taskCheckFailureText());
}

void ClearFolderWorker::taskCompleted()
{
    succeed(tr("Folder %1 already cleared").arg(m_folderName), QString::number(m_folderId));
}

QString ClearFolderWorker::taskCheckFailureText() const
{
    return tr("Error clear folder %1").arg(m_folderName);
}
