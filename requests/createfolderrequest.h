#pragma once

#include "requests/jsonrequest.h"

// A new sub-folder; a public one is visible to everyone of the portal.
class CreateFolderRequest : public JsonRequest
{
    Q_OBJECT
public:
    CreateFolderRequest(const QString &name, int parentId, bool isPublic, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;

private:
    QString m_name;
    int m_parentId;
    bool m_isPublic;
};
