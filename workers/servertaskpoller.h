#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QVariantMap>

// Follows one portal server task: asks for its status every poll interval until
// it is complete (3) or failed (-1), the status request fails, or the time
// limit passes. Give it the worker as parent: polling ends with the worker.
class ServerTaskPoller : public QObject
{
    Q_OBJECT
public:
    static constexpr int s_defaultPollIntervalMs = 500;
    static constexpr int s_statusComplete = 3;
    static constexpr int s_statusFailed = -1;
    static constexpr int s_defaultTimeLimitMs = 30 * 60 * 1000;

    explicit ServerTaskPoller(QObject *parent);

    void start(int taskId);

    // How long a task may run before it is given up (s_defaultTimeLimitMs unless set).
    static void setTimeLimit(int milliseconds);
    static int timeLimit();
    // The pause between two status requests (s_defaultPollIntervalMs unless set).
    static void setPollInterval(int milliseconds);
    static int pollInterval();

signals:
    // The status result that ends the watch: "success" false (the status
    // request failed, or the limit passed), or "status" 3 or -1.
    void taskFinished(const QVariantMap &result);

private:
    void requestStatus();
    void handleStatus(const QVariantMap &result);

    int m_taskId = -1;
    QElapsedTimer m_elapsed;
};
