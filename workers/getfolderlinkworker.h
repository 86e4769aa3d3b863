#pragma once

#include "models/entitytypes.h"
#include "requests/documentlink.h"
#include "workers/latestrequest.h"
#include "workers/worker.h"

#include <QVariantMap>

// Generates a share link of a folder.
class GetFolderLinkWorker : public Worker
{
    Q_OBJECT
public:
    explicit GetFolderLinkWorker(QObject *parent = nullptr);

    void getFolderLink(int id, DocumentLink::LifeTime lifeTime, DocumentLink::AccessType access,
                       EntityTypes::EntityType type);

signals:
    void uriReady(const QString &link, const QString &uri, const QString &uid);

public slots:
    void handleFolderLink(const QVariantMap &result);

private:
    LatestRequest m_latest;
};
