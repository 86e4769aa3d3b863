#pragma once

#include "requests/jsonrequest.h"

// A new empty document; the name's extension decides its kind.
class CreateDocumentRequest : public JsonRequest
{
    Q_OBJECT
public:
    CreateDocumentRequest(const QString &name, int directoryId, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;

private:
    QString m_name;
    int m_directoryId;
};
