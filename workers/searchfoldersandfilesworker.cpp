#include "searchfoldersandfilesworker.h"

#include "logging/eventlogger.h"
#include "requests/searchfoldersandfilesrequest.h"
#include "workers/ancestorpath.h"
#include "workers/requestoutcome.h"

#include <QDebug>

SearchFoldersAndFilesWorker::SearchFoldersAndFilesWorker(QObject *parent)
    : Worker(nullptr, nullptr, parent)
{
}

void SearchFoldersAndFilesWorker::search(const QString &text, int folderId)
{
    qInfo() << "Folder" << folderId;
    m_requests.start(this, new SearchFoldersAndFilesRequest(text, folderId),
                     &SearchFoldersAndFilesWorker::handleSearchRequest);
}

FolderElementEntity SearchFoldersAndFilesWorker::toEntity(const QVariantMap &object, bool isFile)
{
    FolderElementEntity entity;
    entity.id = object.value(QStringLiteral("Id")).toInt();
    entity.name = object.value(QStringLiteral("Name")).toString();
    entity.ownerId = object.value(QStringLiteral("OwnerId")).toInt();
    entity.timestamp = object.value(QStringLiteral("Timestamp")).toDateTime();
    entity.isFavorite = object.value(QStringLiteral("IsFavorite")).toBool();
    entity.type = object.value(QStringLiteral("Type")).toInt();
    entity.size = object.value(QStringLiteral("Size")).toInt();
    entity.isShared = object.value(QStringLiteral("IsShared")).toBool();
    entity.isFile = isFile;
    QList<int> pathIds;
    entity.pathIds = getPath(&pathIds, object);
    QList<QString> pathNames;
    entity.pathNames = getName(&pathNames, object);
    return entity;
}

void SearchFoldersAndFilesWorker::handleSearchRequest(const QVariantMap &response)
{
    qInfo().noquote() << EventLogger::variantMapToJsonString(response);
    if (!RequestOutcome::succeeded(response)) {
        emit workFinished(false, RequestOutcome::failureMessage(response));
        return;
    }
    QList<FolderElementEntity> entities;
    const auto addGroup = [&entities](const QVariant &objects, bool isFile) {
        for (const QVariant &value : objects.toList()) {
            const QVariantMap object = value.toMap();
            if (object.value(QStringLiteral("Id")).toInt() >= 0)
                entities.append(toEntity(object, isFile));
        }
    };
    addGroup(response.value(QStringLiteral("directories")), false);
    addGroup(response.value(QStringLiteral("documents")), true);
    qInfo() << "Found result" << entities;
    emit searchResult(entities);
    // Ends the page's progress state, as a failure does.
    emit workFinished(true, QString());
}
