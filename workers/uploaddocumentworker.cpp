#include "uploaddocumentworker.h"

#include "requests/uploaddocumentrequest.h"
#include "workers/requestoutcome.h"

#include <QFileInfo>

UploadDocumentWorker::UploadDocumentWorker(const QString &localFilePath, int folderId, QObject *parent)
    : OperationWorker(nullptr, DirectoryType::Default, parent)
    , m_localFilePath(localFilePath)
    , m_folderId(folderId)
{
}

void UploadDocumentWorker::startWork()
{
    auto *request = new UploadDocumentRequest(m_localFilePath, m_folderId);
    connect(request, &UploadDocumentRequest::uploadStarted, this, &UploadDocumentWorker::handleUploadStarted,
            Qt::QueuedConnection);
    forwardProgress(request);
    startRequest(request, &UploadDocumentWorker::handleUploadDocumentRequest);
}

void UploadDocumentWorker::handleUploadStarted(const QString &documentName)
{
    if (!isFinished())
        publishInfoNotify(tr("File %1 upload started").arg(documentName));
}

void UploadDocumentWorker::handleUploadDocumentRequest(const QVariantMap &result)
{
    if (isFinished())
        return;
    // A file that could not be opened comes back without a document name.
    const QString name = result.value(QStringLiteral("documentName"), QFileInfo(m_localFilePath).fileName()).toString();
    if (RequestOutcome::succeeded(result)) {
        succeed(tr("File %1 already uploaded").arg(name), QString());
        return;
    }
    const QString error = RequestOutcome::failureMessage(result);
    const QString summary = error.contains(QLatin1String("Connection closed")) ? tr("Server decline upload") : error;
    fail(tr("Error upload file %1").arg(name), summary, error);
}
