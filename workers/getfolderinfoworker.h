#pragma once

#include "workers/infoworker.h"

// The portal's description of one folder, with its parent under "DirectoryId".
class GetFolderInfoWorker : public InfoWorker
{
    Q_OBJECT
public:
    explicit GetFolderInfoWorker(QObject *parent = nullptr);

    void getFolderInfo(int folderId);

public slots:
    void handleFolderInfo(const QVariantMap &response);
};
