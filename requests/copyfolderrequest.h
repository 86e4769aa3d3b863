#pragma once

#include "requests/relocationrequest.h"

// Copies folders into a folder; the portal does it as a server task.
class CopyFolderRequest : public RelocationRequest
{
    Q_OBJECT
public:
    CopyFolderRequest(const QList<int> &folderIds, int toFolderId, CopyFolderFlags::Flags flag, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;
};
