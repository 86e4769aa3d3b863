#pragma once

#include "models/entitytypes.h"
#include "requests/documentlink.h"
#include "requests/jsonrequest.h"

// Generates a share link of a document, with what the editor needs to open it.
class GetDocumentLinkRequest : public JsonRequest
{
    Q_OBJECT
public:
    GetDocumentLinkRequest(int documentId, DocumentLink::LifeTime lifeTime, DocumentLink::AccessType accessType,
                           EntityTypes::EntityType type, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;

private:
    int m_documentId;
    DocumentLink::LifeTime m_lifeTime;
    DocumentLink::AccessType m_accessType;
    EntityTypes::EntityType m_type;
};
