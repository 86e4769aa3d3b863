#pragma once

#include "requests/fileaccesstype.h"
#include "requests/requestinterface.h"

// Gives or takes one user's access to one document or folder; the
// subclasses name the endpoint.
class SingleShareRequest : public RequestInterface
{
    Q_OBJECT
protected:
    enum class Entity { Document, Folder };

    SingleShareRequest(Entity entity, const QString &endpoint, int entityId, int userId,
                       FileAccessType::AccessType accessType, QObject *parent);

    QVariantMap perform() final;

private:
    Entity m_entity;
    QString m_endpoint;
    int m_entityId;
    int m_userId;
    FileAccessType::AccessType m_accessType;
};
