#include "simulator/servertasks.h"

#include <QJsonObject>

int ServerTasks::create(int userId, const QString &kind, Action action)
{
    Task task;
    task.id = ++m_lastId;
    task.userId = userId;
    task.kind = kind;
    task.action = std::move(action);
    if (m_failuresPending > 0) {
        --m_failuresPending;
        task.injectedFailure = true;
    }
    m_tasks.insert(task.id, task);
    return task.id;
}

const ServerTasks::Task *ServerTasks::poll(int taskId, int userId)
{
    const auto it = m_tasks.find(taskId);
    if (it == m_tasks.end() || it->userId != userId)
        return nullptr;
    Task &task = it.value();
    if (task.status == s_done || task.status == s_failed)
        return &task;
    ++task.polls;
    if (task.polls < m_steps) {
        task.status = task.polls == 1 ? 1 : 2;
        task.percent = 100.0 * task.polls / m_steps;
        return &task;
    }
    if (task.injectedFailure) {
        task.outcome = Outcome{false, QStringLiteral("The server task failed"), 0};
    } else {
        task.outcome = task.action();
    }
    task.action = nullptr;
    task.status = task.outcome.ok ? s_done : s_failed;
    task.percent = task.outcome.ok ? 100 : task.percent;
    return &task;
}

const ServerTasks::Task *ServerTasks::find(int taskId, int userId) const
{
    const auto it = m_tasks.constFind(taskId);
    return it == m_tasks.constEnd() || it->userId != userId ? nullptr : &it.value();
}

void ServerTasks::clear()
{
    m_tasks.clear();
    m_lastId = 0;
    m_steps = 3;
    m_failuresPending = 0;
}

QJsonArray ServerTasks::toJson() const
{
    QJsonArray array;
    for (const Task &task : m_tasks) {
        array.append(QJsonObject{{QStringLiteral("Id"), task.id},
                                 {QStringLiteral("UserId"), task.userId},
                                 {QStringLiteral("Kind"), task.kind},
                                 {QStringLiteral("Polls"), task.polls},
                                 {QStringLiteral("Status"), task.status},
                                 {QStringLiteral("Percent"), task.percent},
                                 {QStringLiteral("Error"), task.outcome.error},
                                 {QStringLiteral("ResultFileId"), task.outcome.resultFileId}});
    }
    return array;
}
