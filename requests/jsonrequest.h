#pragma once

#include "requests/networkreplyhandler.h"
#include "requests/requestinterface.h"

#include <QJsonArray>
#include <QList>
#include <QVariantList>

#include <functional>
#include <optional>

// A request made of one JSON exchange with the portal: log what goes out,
// send, wait, classify. The helpers turn id lists and reply fields into the
// shapes the result maps carry.
class JsonRequest : public RequestInterface
{
    Q_OBJECT
public:
    using RequestInterface::RequestInterface;

protected:
    // How the sending line reads: "Sending request GET /path" or "Sending request 'GET /path'".
    enum class SendingLine { Plain, Quoted };

    NetworkReplyHandler get(const QString &path, SendingLine line = SendingLine::Plain) const;
    NetworkReplyHandler post(const QString &path, const QJsonObject &body,
                             SendingLine line = SendingLine::Plain) const;
    NetworkReplyHandler deleteResource(const QString &path) const;

    // Which of the common keys a request's result maps carry.
    enum ReportKeys { SuccessOnly = 0x0, FailureSaysSuccess = 0x1, SuccessSaysError = 0x2 };
    // What a request takes from a good reply; nothing when the reply lacks
    // what the request stands for (a listing that is no list, a server task
    // without its id).
    using ReplyReader = std::function<std::optional<QVariantMap>(const NetworkReplyHandler &)>;
    // The result map of an exchange. On failure (or a reply the reader cannot
    // use): a warning naming the operation, and "error" with the message
    // ("success" false only with FailureSaysSuccess). Otherwise: "success"
    // true (the empty "error" with SuccessSaysError) and what the reader took
    // from the reply, logged. `both` goes into either map.
    static QVariantMap report(const NetworkReplyHandler &handler, const char *operation, int keys,
                              const QVariantMap &both = {}, const ReplyReader &read = {});

    static QJsonArray toJsonArray(const QList<int> &ids);
    static QVariantList toVariantList(const QList<int> &ids);
    // The objects of a JSON array as variant maps; anything else gives an empty list.
    static QVariantList objectList(const QJsonValue &value);
    // The objects of a reply that is a JSON array.
    static QVariantList replyObjects(const NetworkReplyHandler &handler);
    // A field as received (a number or a text); invalid when missing or null.
    static QVariant fieldValue(const QJsonObject &object, const QString &key);
    // The same for a top-level field of the reply object.
    static QVariant replyValue(const NetworkReplyHandler &handler, const QString &key);
    // A server task id; the portal may send it as a number or as decimal
    // text. Nothing when the reply names no task.
    static std::optional<int> replyTaskId(const NetworkReplyHandler &handler);
    // fields with the reply's server task id added as "taskId"; nothing when
    // the reply names no task.
    static std::optional<QVariantMap> withTaskId(const NetworkReplyHandler &handler, QVariantMap fields = {});

private:
    static void logSending(const char *method, const QString &path, SendingLine line);
};
