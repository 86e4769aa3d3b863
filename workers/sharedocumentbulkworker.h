#pragma once

#include "workers/bulkshareworker.h"

// Gives users and roles access to a document.
class ShareDocumentBulkWorker : public BulkShareWorker
{
    Q_OBJECT
public:
    ShareDocumentBulkWorker(int entityId, const QList<UserOrRoleEntity> &users, const QList<UserOrRoleEntity> &roles,
                            QObject *parent = nullptr);

public slots:
    void handleShareRequest(const QVariantMap &result);

protected:
    void startWork() override;
};
