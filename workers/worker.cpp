#include "worker.h"

#include "settings/settings.h"
#include "workers/workernotify.h"

Worker::Worker(Settings *settings, DataAccessObject *dao, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_dao(dao)
{
}

void Worker::disconnectSignals()
{
    if (m_settings)
        QObject::disconnect(m_settings, nullptr, this, nullptr);
}

void Worker::publishInfoNotify(const QString &body, const QString &summary)
{
    publishNotify(WorkerNotify::Info, body, summary);
}

void Worker::publishWarningNotify(const QString &body, const QString &summary)
{
    publishNotify(WorkerNotify::Warning, body, summary);
}
