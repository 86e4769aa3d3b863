#include "checkconflictworker.h"

#include "requests/checkconflictrequest.h"
#include "workers/requestoutcome.h"

CheckConflictWorker::CheckConflictWorker(QObject *parent)
    : Worker(nullptr, nullptr, parent)
{
}

void CheckConflictWorker::checkConflict(int toDirectoryId, const QList<int> &folderIds)
{
    startRequest(new CheckConflictRequest(toDirectoryId, folderIds), &CheckConflictWorker::handleCheckConflictRequest);
}

void CheckConflictWorker::handleCheckConflictRequest(const QVariantMap &result)
{
    if (!RequestOutcome::succeeded(result)) {
        emit workFinished(false, RequestOutcome::failureMessage(result));
        return;
    }
    emit workFinished(true, QString());
    emit conflictChecked(result.value(QStringLiteral("conflict")).toBool());
}
