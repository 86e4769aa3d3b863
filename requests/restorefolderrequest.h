#pragma once

#include "requests/relocationrequest.h"

// Brings folders back from the trash into a folder.
class RestoreFolderRequest : public RelocationRequest
{
    Q_OBJECT
public:
    RestoreFolderRequest(const QList<int> &folderIds, int toFolderId, CopyFolderFlags::Flags flag, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;
};
