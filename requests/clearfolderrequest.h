#pragma once

#include "requests/jsonrequest.h"

// Empties a folder (the trash, in practice); the portal does it as a server task.
class ClearFolderRequest : public JsonRequest
{
    Q_OBJECT
public:
    explicit ClearFolderRequest(int folderId, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;

private:
    int m_folderId;
};
