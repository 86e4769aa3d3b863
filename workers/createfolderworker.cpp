#include "createfolderworker.h"

#include "requests/createfolderrequest.h"
#include "workers/requestoutcome.h"

CreateFolderWorker::CreateFolderWorker(QObject *parent)
    : CreateEntryWorker(parent)
{
}

void CreateFolderWorker::createFolder(const QString &name, int parentId, bool isPublic)
{
    startRequest(new CreateFolderRequest(name, parentId, isPublic), &CreateFolderWorker::handleCreateFolderRequest);
}

void CreateFolderWorker::handleCreateFolderRequest(const QVariantMap &result)
{
    // The id is read by the controller when it handles workFinished.
    if (RequestOutcome::succeeded(result))
        m_idCreatedFolder = resultId(result, QStringLiteral("folderId"));
    reportCreation(result, QStringLiteral("folderName"));
}
