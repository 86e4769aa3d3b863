#pragma once

#include "requests/networkreplyhandler.h"
#include "requests/requestinterface.h"

#include <QJsonArray>
#include <QList>
#include <QVariantList>

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

    // {"error": message}: the failure of requests whose readers test "success" alone.
    static QVariantMap errorOnlyResult(const QString &message);
    // Warning naming the failed operation, with the handler's message.
    static void logFailure(const char *operation, const NetworkReplyHandler &handler);

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
    // A server task id; the portal may send it as a number or as decimal text.
    static int replyTaskId(const NetworkReplyHandler &handler);

private:
    static void logSending(const char *method, const QString &path, SendingLine line);
};
