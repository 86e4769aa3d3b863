#pragma once

#include "requests/jsonrequest.h"

// Deletes folders with everything in them; the portal does it as a server task.
class DeleteFolderRequest : public JsonRequest
{
    Q_OBJECT
public:
    explicit DeleteFolderRequest(const QList<int> &folderIds, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;

private:
    QList<int> m_folderIds;
};
