#pragma once

#include "workers/worker.h"

#include <QList>
#include <QVariant>
#include <QVariantMap>

// Fetches user records from the portal and stores them in the cache.
class GetUsersInfoWorker : public Worker
{
    Q_OBJECT
public:
    explicit GetUsersInfoWorker(DataAccessObject *dao, QObject *parent = nullptr);

    void loadUsersInfo(const QList<QVariant> &ids);

    // Stores the users of a successful answer; returns whether it succeeded.
    static bool storeUsers(DataAccessObject *dao, const QVariantMap &response);

public slots:
    void handleGetUsersInfoRequest(const QVariantMap &response);
};
