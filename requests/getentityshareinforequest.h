#pragma once

#include "models/entitytypes.h"
#include "requests/jsonrequest.h"

// The access list and share links of one document or folder.
class GetEntityShareInfoRequest : public JsonRequest
{
    Q_OBJECT
public:
    GetEntityShareInfoRequest(int entityId, EntityTypes::EntityType type, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;

private:
    int m_entityId;
    EntityTypes::EntityType m_type;
};
