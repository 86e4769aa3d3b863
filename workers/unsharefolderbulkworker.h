#pragma once

#include "workers/bulkshareworker.h"

// Takes the access of users and roles to a folder away.
class UnShareFolderBulkWorker : public BulkShareWorker
{
    Q_OBJECT
public:
    UnShareFolderBulkWorker(int entityId, const QList<UserOrRoleEntity> &users, const QList<UserOrRoleEntity> &roles,
                            QObject *parent = nullptr);

public slots:
    void handleUnShareRequest(const QVariantMap &result);

protected:
    void startWork() override;
};
