#pragma once

#include "workers/abstractloadentriesworker.h"

// Loads the folders of one folder (no documents); start with getFoldersFromServer.
class GetFoldersWorker : public AbstractLoadEntriesWorker
{
    Q_OBJECT
public:
    explicit GetFoldersWorker(DataAccessObject *dao, QObject *parent = nullptr);

public slots:
    void handleGetFoldersRequest(const QVariantMap &response) override;
};
