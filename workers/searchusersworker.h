#pragma once

#include "workers/latestrequest.h"
#include "workers/worker.h"

#include <QList>
#include <QVariantMap>

// Finds portal users by a search text.
class SearchUsersWorker : public Worker
{
    Q_OBJECT
public:
    explicit SearchUsersWorker(QObject *parent = nullptr);

    void searchUsers(const QString &text);

signals:
    void searchResult(const QList<int> &ids);

public slots:
    void handleSearchRequest(const QVariantMap &result);

private:
    LatestRequest m_latest;
};
