#include "createentryworker.h"

#include "workers/requestoutcome.h"

CreateEntryWorker::CreateEntryWorker(QObject *parent)
    : Worker(nullptr, nullptr, parent)
{
}

int CreateEntryWorker::resultId(const QVariantMap &result, const QString &key)
{
    bool ok = false;
    const int id = result.value(key).toInt(&ok);
    return ok ? id : s_noId;
}

void CreateEntryWorker::reportCreation(const QVariantMap &result, const QString &nameKey)
{
    if (!RequestOutcome::succeeded(result)) {
        const QString error = RequestOutcome::failureMessage(result);
        publishWarningNotify(tr("Error create"), error);
        emit workFinished(false, error);
        return;
    }
    const QString name = result.value(nameKey).toString();
    publishInfoNotify(tr("%1 created successfuly").arg(name));
    emit workFinished(true, name);
}
