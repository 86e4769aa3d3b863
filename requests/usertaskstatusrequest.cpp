#include "usertaskstatusrequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"
#include "requests/servertask.h"

UserTaskStatusRequest::UserTaskStatusRequest(int taskId, QObject *parent)
    : JsonRequest(parent)
    , m_taskId(taskId)
{
}

QVariantMap UserTaskStatusRequest::perform()
{
    const QString taskIdKey = QStringLiteral("taskId");
    const NetworkReplyHandler handler =
        get(ApiPath::v1(ApiContants::s_userTask).query(QStringLiteral("Id"), m_taskId).toString());
    bool hasStatus = false;
    const int status = replyValue(handler, QStringLiteral("Status")).toInt(&hasStatus);
    // A reply without a status would read as 0, "still running", for ever.
    if (handler.isError() || !hasStatus) {
        const QString error = ServerTask::failureText(handler);
        qWarning().noquote() << "Request error" << error;
        return {{s_successKey, false}, {s_errorKey, error}, {taskIdKey, m_taskId}};
    }
    const double percent = replyValue(handler, QStringLiteral("Percent")).toDouble();
    qInfo().noquote() << "Request data" << status << percent;
    return {{s_successKey, true}, {taskIdKey, m_taskId}, {QStringLiteral("status"), status},
            {QStringLiteral("percent"), percent}};
}
