#pragma once

#include "requests/jsonrequest.h"

// One poll of a server task: its status (ServerTask::Status) and percentage.
class UserTaskStatusRequest : public JsonRequest
{
    Q_OBJECT
public:
    explicit UserTaskStatusRequest(int taskId, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;

private:
    int m_taskId;
};
