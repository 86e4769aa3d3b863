#include "downloadfileworker.h"

#include "requests/downloaddocumentrequest.h"
#include "workers/downloadplacement.h"

#include <QDebug>

DownloadFileWorker::DownloadFileWorker(DataAccessObject *dao, int fileId, const QString &targetFolder,
                                       const QString &fileName, DirectoryType::RootDirectoryTypes root,
                                       QObject *parent)
    : OperationWorker(dao, root, parent)
    , m_fileId(fileId)
    , m_targetFolder(targetFolder)
    , m_fileName(fileName)
{
}

void DownloadFileWorker::startWork()
{
    // Announced first, so that it never arrives after the outcome.
    publishInfoNotify(tr("Start download file %1").arg(m_fileName));
    auto *request = new DownloadDocumentRequest(m_fileId, false, false);
    forwardProgress(request);
    startRequest(request, &DownloadFileWorker::handleDownloadRequest);
}

void DownloadFileWorker::handleDownloadRequest(const QVariantMap &result)
{
    if (isFinished())
        return;
    if (!succeeded(result)) {
        qWarning() << "Download file error" << errorText(result);
        fail(tr("Error download file %1").arg(m_fileName), result);
        return;
    }
    DownloadPlacement::start(result.value(QStringLiteral("tmpDocumentPath")).toString(),
                             FreeFileName(FreeFileName::Document, m_targetFolder, m_fileName), this,
                             &DownloadFileWorker::handlePlaced);
}

void DownloadFileWorker::handlePlaced(const QString &path)
{
    if (path.isEmpty()) {
        qWarning() << "Move document to target location";
        const QString message = tr("Could not save the file in %1").arg(m_targetFolder);
        fail(tr("Error download document %1").arg(m_fileName), message, message);
        return;
    }
    qInfo() << "Download file" << m_fileName << "success";
    emit transferSaved(path);
    succeed(tr("Download file %1 success").arg(m_fileName), QString());
}
