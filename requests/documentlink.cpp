#include "documentlink.h"

#include "requests/networkreplyhandler.h"

#include <QJsonObject>

namespace DocumentLink {

QString accessTypeToString(AccessType type)
{
    // Wire words, never translated.
    switch (type) {
    case Deny:
        return QStringLiteral("Deny");
    case Read:
        return QStringLiteral("Read");
    case Comment:
        return QStringLiteral("Comment");
    case Write:
        return QStringLiteral("Write");
    case Delete:
        return QStringLiteral("Delete");
    }
    return QString();
}

Link Link::fromReply(const QJsonDocument &reply)
{
    const QJsonObject object = reply.object();
    // As text whether the portal sends a text or a number (ids, say).
    const auto field = [&object](const char *key) {
        return NetworkReplyHandler::findJsonValue(object, QString::fromLatin1(key)).toVariant().toString();
    };
    Link result;
    result.link = field("Link");
    result.uri = field("Url");
    result.uid = field("Uid");
    result.jwt = field("Jwt");
    result.userId = field("UserId");
    result.version = NetworkReplyHandler::findJsonValue(object, QStringLiteral("Version")).toInt();
    return result;
}

} // namespace DocumentLink
