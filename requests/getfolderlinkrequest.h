#pragma once

#include "models/entitytypes.h"
#include "requests/documentlink.h"
#include "requests/jsonrequest.h"

// Generates a share link of a folder (or of any entity given by its type).
class GetFolderLinkRequest : public JsonRequest
{
    Q_OBJECT
public:
    GetFolderLinkRequest(int entityId, DocumentLink::LifeTime lifeTime, DocumentLink::AccessType accessType,
                         EntityTypes::EntityType type, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;

private:
    int m_entityId;
    DocumentLink::LifeTime m_lifeTime;
    DocumentLink::AccessType m_accessType;
    EntityTypes::EntityType m_type;
};
