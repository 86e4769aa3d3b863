#pragma once

#include "workers/latestrequest.h"
#include "workers/worker.h"

#include <QVariantMap>

// Answers a dialog's question about one entry with infoReady; only the
// newest question of a reused worker is answered.
class InfoWorker : public Worker
{
    Q_OBJECT
public:
    explicit InfoWorker(QObject *parent);

signals:
    // Empty when the entry could not be read.
    void infoReady(const QVariantMap &info);

protected:
    // Reports the failed request and an empty answer.
    void reportFailure(const QString &message);

    LatestRequest m_requests;
};
