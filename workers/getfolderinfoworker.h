#pragma once

#include "workers/latestrequest.h"
#include "workers/worker.h"

#include <QVariantMap>

// The portal's description of one folder, with its parent under "DirectoryId".
class GetFolderInfoWorker : public Worker
{
    Q_OBJECT
public:
    explicit GetFolderInfoWorker(QObject *parent = nullptr);

    void getFolderInfo(int folderId);

signals:
    // Empty when the folder could not be read.
    void infoReady(const QVariantMap &info);

public slots:
    void handleFolderInfo(const QVariantMap &response);

private:
    LatestRequest m_requests;
};
