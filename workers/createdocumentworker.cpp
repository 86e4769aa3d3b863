#include "createdocumentworker.h"

#include "requests/createdocumentrequest.h"
#include "workers/requestoutcome.h"

CreateDocumentWorker::CreateDocumentWorker(QObject *parent)
    : CreateEntryWorker(parent)
{
}

void CreateDocumentWorker::createDocument(const QString &name, int directoryId)
{
    startRequest(new CreateDocumentRequest(name, directoryId), &CreateDocumentWorker::handleCreateDocumentRequest);
}

void CreateDocumentWorker::handleCreateDocumentRequest(const QVariantMap &result)
{
    // The ids are read by the controller when it handles workFinished.
    if (RequestOutcome::succeeded(result)) {
        m_idCreatedDocument = resultId(result, QStringLiteral("fileId"));
        m_idOwner = resultId(result, QStringLiteral("ownerId"));
    }
    reportCreation(result, QStringLiteral("fileName"));
}
