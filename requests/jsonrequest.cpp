#include "jsonrequest.h"

#include "requests/portalexchange.h"

#include <QJsonObject>

NetworkReplyHandler JsonRequest::get(const QString &path, SendingLine line) const
{
    logSending("GET", path, line);
    PortalExchange exchange;
    return NetworkReplyHandler(exchange.get(createRequest(path)));
}

NetworkReplyHandler JsonRequest::post(const QString &path, const QJsonObject &body, SendingLine line) const
{
    logSending("POST", path, line);
    logBody(body);
    PortalExchange exchange;
    return NetworkReplyHandler(exchange.post(createRequest(path), jsonToQByteArray(body)));
}

NetworkReplyHandler JsonRequest::deleteResource(const QString &path) const
{
    logSending("DELETE", path, SendingLine::Quoted);
    PortalExchange exchange;
    return NetworkReplyHandler(exchange.deleteResource(createRequest(path)));
}

QVariantMap JsonRequest::report(const NetworkReplyHandler &handler, const char *operation, int keys,
                                const QVariantMap &both, const ReplyReader &read)
{
    QVariantMap result = both;
    std::optional<QVariantMap> fields = QVariantMap();
    if (!handler.isError() && read)
        fields = read(handler);
    if (handler.isError() || !fields) {
        const QString error = handler.isError() ? handler.errorMessage() : unreadableAnswerText();
        qWarning().noquote() << operation << error;
        if (keys & FailureSaysSuccess)
            result.insert(s_successKey, false);
        result.insert(s_errorKey, error);
        return result;
    }
    result.insert(*fields);
    result.insert(s_successKey, true);
    if (keys & SuccessSaysError)
        result.insert(s_errorKey, handler.errorMessage());
    logResult(result);
    return result;
}

QJsonArray JsonRequest::toJsonArray(const QList<int> &ids)
{
    QJsonArray array;
    for (const int id : ids)
        array.append(id);
    return array;
}

QVariantList JsonRequest::toVariantList(const QList<int> &ids)
{
    QVariantList list;
    list.reserve(ids.size());
    for (const int id : ids)
        list.append(id);
    return list;
}

QVariantList JsonRequest::objectList(const QJsonValue &value)
{
    QVariantList list;
    const QJsonArray array = value.toArray();
    list.reserve(array.size());
    // A stray scalar in a listing would become a row without an id.
    for (const QJsonValue &element : array) {
        if (element.isObject())
            list.append(element.toObject().toVariantMap());
    }
    return list;
}

QVariantList JsonRequest::replyObjects(const NetworkReplyHandler &handler)
{
    return objectList(QJsonValue(handler.replyJSON().array()));
}

QVariant JsonRequest::fieldValue(const QJsonObject &object, const QString &key)
{
    const QJsonValue value = NetworkReplyHandler::findJsonValue(object, key);
    return value.isNull() ? QVariant() : value.toVariant();
}

QVariant JsonRequest::replyValue(const NetworkReplyHandler &handler, const QString &key)
{
    return fieldValue(handler.replyJSON().object(), key);
}

std::optional<int> JsonRequest::replyTaskId(const NetworkReplyHandler &handler)
{
    bool isNumber = false;
    const int taskId = replyValue(handler, QStringLiteral("TaskId")).toInt(&isNumber);
    return isNumber ? std::optional<int>(taskId) : std::nullopt;
}

std::optional<QVariantMap> JsonRequest::withTaskId(const NetworkReplyHandler &handler, QVariantMap fields)
{
    const std::optional<int> taskId = replyTaskId(handler);
    if (!taskId)
        return std::nullopt;
    fields.insert(QStringLiteral("taskId"), *taskId);
    return fields;
}

void JsonRequest::logSending(const char *method, const QString &path, SendingLine line)
{
    if (line == SendingLine::Quoted)
        qInfo().noquote() << QStringLiteral("Sending request '%1 %2'").arg(QLatin1String(method), path);
    else
        qInfo().noquote() << "Sending request" << method << path;
}
