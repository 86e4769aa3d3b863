#pragma once

#include "requests/relocationrequest.h"

// Moves folders into another folder; the portal does it as a server task.
class MoveFolderRequest : public RelocationRequest
{
    Q_OBJECT
public:
    MoveFolderRequest(const QList<int> &folderIds, int toFolderId, CopyFolderFlags::Flags flag, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;
};
