#include "downloadfileworker.h"

#include "requests/downloaddocumentrequest.h"
#include "workers/freefilename.h"

#include <QDebug>
#include <QFile>

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
    const QString tmpPath = result.value(QStringLiteral("tmpDocumentPath")).toString();
    const bool moved = moveFileToTargetLocation(tmpPath);
    QFile::remove(tmpPath);
    if (!moved) {
        qWarning() << "Move document to target location";
        const QString message = tr("Could not save the file in %1").arg(m_targetFolder);
        fail(tr("Error download document %1").arg(m_fileName), message, message);
        return;
    }
    qInfo() << "Download file" << m_fileName << "success";
    succeed(tr("Download file %1 success").arg(m_fileName), QString());
}

bool DownloadFileWorker::moveFileToTargetLocation(const QString &tmpPath)
{
    const FreeFileName target(FreeFileName::Document, m_targetFolder, m_fileName);
    qInfo() << "Copy file" << tmpPath << ":" << target.firstFree();
    // QFile::copy neither replaces a file nor leaves a partial one under the target name.
    return !target.place([&tmpPath](const QString &name) { return QFile::copy(tmpPath, name); }).isEmpty();
}
