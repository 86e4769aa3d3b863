#include "downloadpdfworker.h"

#include "requests/convertdocumenttopdfrequest.h"
#include "requests/downloaddocumentrequest.h"
#include "workers/downloadplacement.h"
#include "workers/servertaskpoller.h"

#include <QDebug>

DownloadPdfWorker::DownloadPdfWorker(DataAccessObject *dao, int fileId, const QString &fileName,
                                     const QString &targetFolder, DirectoryType::RootDirectoryTypes root,
                                     QObject *parent)
    : ServerTaskWorker(dao, root, parent)
    , m_fileId(fileId)
    , m_fileName(fileName)
    , m_targetFolder(targetFolder)
{
}

void DownloadPdfWorker::startWork()
{
    markFilesBusy({m_fileId});
    // A PDF needs no conversion.
    if (m_fileName.endsWith(QLatin1String("pdf"))) {
        startDownload();
        return;
    }
    startRequest(new ConvertDocumentToPdfRequest(m_fileId), &DownloadPdfWorker::handleConvertRequest);
}

void DownloadPdfWorker::handleConvertRequest(const QVariantMap &result)
{
    if (isFinished())
        return;
    if (succeeded(result))
        qInfo() << "Convert request success, start watch server task";
    watchServerTask(result, tr("Error prepare document %1").arg(m_fileName));
}

void DownloadPdfWorker::taskCompleted()
{
    qInfo() << "Check task" << ServerTaskPoller::s_statusComplete;
    qInfo() << "Convert document" << m_fileName << "success";
    startDownload();
}

QString DownloadPdfWorker::taskCheckFailureText() const
{
    return tr("Error convert document %1").arg(m_fileName);
}

void DownloadPdfWorker::startDownload()
{
    // Announced first, so that it never arrives after the outcome.
    publishInfoNotify(tr("Start download document %1").arg(m_fileName));
    auto *request = new DownloadDocumentRequest(m_fileId, false, true);
    forwardProgress(request);
    startRequest(request, &DownloadPdfWorker::handleDownloadRequest);
}

void DownloadPdfWorker::handleDownloadRequest(const QVariantMap &result)
{
    if (isFinished())
        return;
    if (!succeeded(result)) {
        qWarning() << "Download document error" << errorText(result);
        fail(failureText(), result);
        return;
    }
    // Not left in the cache folder either way: the document belongs in the container only.
    DownloadPlacement::start(result.value(QStringLiteral("tmpDocumentPath")).toString(),
                             FreeFileName(FreeFileName::Pdf, m_targetFolder, m_fileName), this,
                             &DownloadPdfWorker::handlePlaced);
}

void DownloadPdfWorker::handlePlaced(const QString &path)
{
    if (path.isEmpty()) {
        qWarning() << "Move document to sstore error";
        const QString message = tr("Could not save the document in %1").arg(m_targetFolder);
        fail(failureText(), message, message);
        return;
    }
    qInfo() << "Download document" << m_fileName << "success";
    emit transferSaved(path);
    succeed(tr("Download document %1 success").arg(m_fileName), QString());
}

QString DownloadPdfWorker::failureText() const
{
    return tr("Error download document %1").arg(m_fileName);
}
