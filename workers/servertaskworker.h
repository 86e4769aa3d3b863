#pragma once

#include "workers/operationworker.h"

#include <QVariantMap>

// An operation that the portal carries out as a server task: the first result
// names the task, and the operation ends with the task.
class ServerTaskWorker : public OperationWorker
{
    Q_OBJECT
public:
    using OperationWorker::OperationWorker;

public slots:
    // The final status of the task (ServerTaskPoller): done, failed, or not known.
    void handleTaskStatusRequest(const QVariantMap &result);

protected:
    // Judges the first result: a failure ends the operation with the warning
    // failureText, a confirmed result starts following the task it names.
    void watchServerTask(const QVariantMap &result, const QString &failureText);

    // Status 3: apply the change and report success.
    virtual void taskCompleted() = 0;
    // The warning when the task's status could not be read; its summary is the error.
    virtual QString taskCheckFailureText() const = 0;
    // The warning when the portal reports the task as failed; by default the same.
    virtual QString taskErrorText() const;

private:
    bool checkTaskSuccess(const QVariantMap &result);
    bool statusIsError(const QVariantMap &result);
};
