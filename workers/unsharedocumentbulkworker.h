#pragma once

#include "workers/bulkshareworker.h"

// Takes the access of users and roles to a document away.
class UnShareDocumentBulkWorker : public BulkShareWorker
{
    Q_OBJECT
public:
    UnShareDocumentBulkWorker(int entityId, const QList<UserOrRoleEntity> &users, const QList<UserOrRoleEntity> &roles,
                              QObject *parent = nullptr);

public slots:
    void handleUnShareRequest(const QVariantMap &result);

protected:
    void startWork() override;
};
