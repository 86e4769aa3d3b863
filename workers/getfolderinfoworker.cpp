#include "getfolderinfoworker.h"

#include "logging/eventlogger.h"
#include "requests/getfoldersrequest.h"
#include "workers/requestoutcome.h"

#include <QDebug>

GetFolderInfoWorker::GetFolderInfoWorker(QObject *parent)
    : InfoWorker(parent)
{
}

void GetFolderInfoWorker::getFolderInfo(int folderId)
{
    m_requests.start(this, new GetFoldersRequest(folderId), &GetFolderInfoWorker::handleFolderInfo);
}

void GetFolderInfoWorker::handleFolderInfo(const QVariantMap &response)
{
    if (!RequestOutcome::succeeded(response)) {
        reportFailure(RequestOutcome::failureMessage(response));
        return;
    }
    const QList<QVariant> folders = response.value(QStringLiteral("folders")).toList();
    if (folders.isEmpty()) {
        // The portal answered without the folder: no information to report.
        reportFailure(tr("The folder is not found on the portal."));
        return;
    }
    QVariantMap info = folders.first().toMap();
    const int parentId = info.value(QStringLiteral("ParentId")).toInt();
    qInfo().noquote() << "Data" << EventLogger::variantMapToJsonString(info);
    info.insert(QStringLiteral("DirectoryId"), parentId);
    emit infoReady(info);
    emit workFinished(true, QString());
}
