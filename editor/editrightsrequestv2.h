#pragma once

#include "requests/jsonrequest.h"

// The edit rights of a document: the ready configuration of the portal's
// online editor, by document id, or by uid for an id below 1.
class EditRightsRequestV2 : public JsonRequest
{
    Q_OBJECT
public:
    EditRightsRequestV2(int documentId, const QString &uid, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;

private:
    int m_documentId;
    QString m_uid;
};
