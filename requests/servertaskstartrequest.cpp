#include "servertaskstartrequest.h"

#include "requests/apipath.h"
#include "requests/servertask.h"

ServerTaskStartRequest::ServerTaskStartRequest(const QString &endpoint, const QString &idKey, int id, QObject *parent)
    : JsonRequest(parent)
    , m_path(ApiPath::v1(endpoint).query(idKey, id).toString())
    , m_id(id)
{
}

QVariantMap ServerTaskStartRequest::perform()
{
    const NetworkReplyHandler handler = get(m_path);
    const std::optional<int> taskId = replyTaskId(handler);
    // The workers test "error" alone: a failure must never come with an empty one.
    if (handler.isError() || !taskId) {
        const QString error = ServerTask::failureText(handler);
        qWarning().noquote() << "Reply error:" << error;
        return {{s_errorKey, error}};
    }
    qInfo().noquote() << "Reply success [" << m_id << *taskId << "]";
    return {{s_successKey, true}, {QStringLiteral("documentId"), m_id}, {QStringLiteral("taskId"), *taskId}};
}
