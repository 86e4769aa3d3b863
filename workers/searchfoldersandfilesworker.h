#pragma once

#include "database/folderelemententity.h"
#include "workers/latestrequest.h"
#include "workers/worker.h"

#include <QList>
#include <QVariantMap>

// Searches the portal; the results go straight to the caller as entities,
// each with the path of folders above it. Only the newest search reports.
class SearchFoldersAndFilesWorker : public Worker
{
    Q_OBJECT
public:
    explicit SearchFoldersAndFilesWorker(QObject *parent = nullptr);

    void search(const QString &text, int folderId);

    static FolderElementEntity toEntity(const QVariantMap &object, bool isFile);

signals:
    void searchResult(const QList<FolderElementEntity> &entities);

public slots:
    void handleSearchRequest(const QVariantMap &response);

private:
    LatestRequest m_requests;
};
