#pragma once

#include "requests/jsonrequest.h"

// The documents directly inside a folder.
class GetDocumentsRequest : public JsonRequest
{
    Q_OBJECT
public:
    explicit GetDocumentsRequest(int folderId, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;

private:
    int m_folderId;
};
