#include "authreply.h"

#include "requests/networkreplyhandler.h"

#include <QJsonDocument>

AuthReply::AuthReply(const QJsonDocument &document)
{
    const QJsonObject root = document.object();
    m_status = NetworkReplyHandler::findJsonValue(root, QStringLiteral("Status")).toInt();
    const QJsonObject response = NetworkReplyHandler::findJsonValue(root, QStringLiteral("Response")).toObject();
    const QJsonObject data = NetworkReplyHandler::findJsonValue(response, QStringLiteral("Data")).toObject();
    const QJsonObject tokens = NetworkReplyHandler::findJsonValue(data, QStringLiteral("Tokens")).toObject();
    m_user = NetworkReplyHandler::findJsonValue(data, QStringLiteral("User")).toObject();
    m_accessToken = NetworkReplyHandler::findJsonValue(tokens, QStringLiteral("AuthToken"));
    m_refreshToken = NetworkReplyHandler::findJsonValue(tokens, QStringLiteral("RefreshToken")).toString();
}

bool AuthReply::isAccepted() const
{
    return m_status == 200 && m_accessToken.isString();
}

QString AuthReply::accessToken() const
{
    return m_accessToken.toString();
}

QString AuthReply::refreshToken() const
{
    return m_refreshToken;
}

const QJsonObject &AuthReply::user() const
{
    return m_user;
}
