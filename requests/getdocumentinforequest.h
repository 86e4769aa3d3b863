#pragma once

#include "requests/jsonrequest.h"

// The full description of one document.
class GetDocumentInfoRequest : public JsonRequest
{
    Q_OBJECT
public:
    explicit GetDocumentInfoRequest(int documentId, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;

private:
    int m_documentId;
};
