#include "servertaskworker.h"

#include "workers/servertaskpoller.h"

#include <QDebug>

void ServerTaskWorker::watchServerTask(const QVariantMap &result, const QString &failureText)
{
    if (!succeeded(result)) {
        fail(failureText, result);
        return;
    }
    const int taskId = result.value(QStringLiteral("taskId")).toInt();
    qInfo() << "Start watching the server task" << taskId;
    auto *poller = new ServerTaskPoller(this);
    connect(poller, &ServerTaskPoller::taskFinished, this, &ServerTaskWorker::handleTaskStatusRequest);
    poller->start(taskId);
}

void ServerTaskWorker::handleTaskStatusRequest(const QVariantMap &result)
{
    if (isFinished() || !checkTaskSuccess(result) || statusIsError(result))
        return;
    taskCompleted();
}

QString ServerTaskWorker::taskErrorText() const
{
    return taskCheckFailureText();
}

bool ServerTaskWorker::checkTaskSuccess(const QVariantMap &result)
{
    if (succeeded(result))
        return true;
    qWarning() << "Check task status request error" << errorText(result);
    fail(taskCheckFailureText(), result);
    return false;
}

bool ServerTaskWorker::statusIsError(const QVariantMap &result)
{
    // The poller reports only ended tasks, so anything but "done" is a failed task.
    if (result.value(QStringLiteral("status")).toInt() == ServerTaskPoller::s_statusComplete)
        return false;
    qWarning() << "Server task status is error";
    const QString serverError = tr("Server error");
    fail(taskErrorText(), serverError, serverError);
    return true;
}
