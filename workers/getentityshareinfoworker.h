#pragma once

#include "database/sharedlink.h"
#include "database/userorroleentity.h"
#include "models/entitytypes.h"
#include "workers/latestrequest.h"
#include "workers/worker.h"

#include <QList>
#include <QVariantMap>

// Reads who has access to a document or folder, and its share links.
class GetEntityShareInfoWorker : public Worker
{
    Q_OBJECT
public:
    explicit GetEntityShareInfoWorker(QObject *parent = nullptr);

    void getEntityShareInfo(int id, EntityTypes::EntityType type);

signals:
    void propertiesReady(const QList<UserOrRoleEntity> &users, const QList<UserOrRoleEntity> &roles);
    void linksReady(const QList<SharedLink> &links);

public slots:
    void handleGetInfoRequest(const QVariantMap &result);

private:
    LatestRequest m_latest;
};
