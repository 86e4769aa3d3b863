#pragma once

#include <QJsonArray>
#include <QMap>
#include <QString>

#include <functional>

// Long operations run as server tasks: each status poll advances a task by
// one step; at the last step its action runs and the task ends in status 3
// (done) or -1 (failed). The work is applied only then.
class ServerTasks
{
public:
    struct Outcome
    {
        bool ok = true;
        QString error;
        int resultFileId = 0;   // the file that UserTask/Download serves
    };
    using Action = std::function<Outcome()>;

    static constexpr int s_done = 3;
    static constexpr int s_failed = -1;

    struct Task
    {
        int id = 0;
        int userId = 0;
        QString kind;
        int polls = 0;
        int status = 0;
        double percent = 0;
        bool injectedFailure = false;
        Outcome outcome;
        Action action;
    };

    int create(int userId, const QString &kind, Action action);
    // Advances the task; null when it does not exist for the user.
    const Task *poll(int taskId, int userId);
    const Task *find(int taskId, int userId) const;

    // How many polls a task takes (at least 1).
    void setSteps(int steps) { m_steps = qMax(1, steps); }
    int steps() const { return m_steps; }
    // The next count tasks end in failure.
    void failNext(int count) { m_failuresPending = qMax(0, count); }
    void clear();
    QJsonArray toJson() const;

private:
    QMap<int, Task> m_tasks;
    int m_lastId = 0;
    int m_steps = 3;
    int m_failuresPending = 0;
};
