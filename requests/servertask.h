#pragma once

#include <QCoreApplication>
#include <QString>

class NetworkReplyHandler;

// A long operation the portal runs on its side and the client polls.
class ServerTask
{
    Q_DECLARE_TR_FUNCTIONS(ServerTask)

public:
    // Values of a task's "Status"; every other value means it is still running.
    enum Status { Failed = -1, Complete = 3 };

    // The text of a failed task call: the handler's message, or, for a
    // successful reply that says nothing usable about the task, a text of
    // its own, so that no failure goes out with an empty "error".
    static QString failureText(const NetworkReplyHandler &handler);
};
