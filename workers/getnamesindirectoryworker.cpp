#include "getnamesindirectoryworker.h"

#include "requests/getdocumentsrequest.h"
#include "requests/getfoldersrequest.h"
#include "workers/requestoutcome.h"

#include <QDebug>

GetNamesInDirectoryWorker::GetNamesInDirectoryWorker(QObject *parent)
    : Worker(nullptr, nullptr, parent)
{
}

void GetNamesInDirectoryWorker::loadFolderNames(int folderId)
{
    m_requests.start(this, new GetFoldersRequest(folderId), &GetNamesInDirectoryWorker::handleFolderNames);
}

void GetNamesInDirectoryWorker::loadFilesNames(int folderId)
{
    m_requests.start(this, new GetDocumentsRequest(folderId), &GetNamesInDirectoryWorker::handleDocumentsNames);
}

void GetNamesInDirectoryWorker::handleFolderNames(const QVariantMap &response)
{
    // The answer holds the requested folder with its sub-folders as "Children".
    QList<QVariant> children;
    for (const QVariant &folder : response.value(QStringLiteral("folders")).toList()) {
        children = folder.toMap().value(QStringLiteral("Children")).toList();
        if (!children.isEmpty())
            break;
    }
    reportNames(response, children);
}

void GetNamesInDirectoryWorker::handleDocumentsNames(const QVariantMap &response)
{
    reportNames(response, response.value(QStringLiteral("documents")).toList());
}

void GetNamesInDirectoryWorker::reportNames(const QVariantMap &response, const QList<QVariant> &objects)
{
    if (!RequestOutcome::succeeded(response)) {
        emit workFinished(false, RequestOutcome::failureMessage(response));
        return;
    }
    QList<QString> names;
    names.reserve(objects.size());
    for (const QVariant &object : objects)
        names.append(object.toMap().value(QStringLiteral("Name")).toString());
    qInfo().noquote() << QStringList(names).join(QStringLiteral(", "));
    emit namesReady(names);
    emit workFinished(true, QString());
}
