#pragma once

#include "database/userorroleentity.h"
#include "requests/jsonrequest.h"

#include <QList>

// Gives or takes the access of many users and roles to one document or
// folder in one call; the subclasses name the endpoint.
class ShareBulkRequest : public JsonRequest
{
    Q_OBJECT
protected:
    ShareBulkRequest(const QString &endpoint, int entityId, const QList<UserOrRoleEntity> &users,
                     const QList<UserOrRoleEntity> &roles, QObject *parent);

    QVariantMap perform() final;

private:
    QString m_endpoint;
    int m_entityId;
    QList<UserOrRoleEntity> m_users;
    QList<UserOrRoleEntity> m_roles;
};
