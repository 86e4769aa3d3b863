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
    m_portalMessage = NetworkReplyHandler::findJsonValue(root, QStringLiteral("ErrorMessage")).toString();
    if (m_portalMessage.isEmpty())
        m_portalMessage = NetworkReplyHandler::findJsonValue(response, QStringLiteral("Data")).toString();
}

bool AuthReply::isAccepted() const
{
    // A token that is no text, or an empty one, is no session: nothing could be sent in its name.
    return m_status == 200 && !m_accessToken.toString().isEmpty();
}

QString AuthReply::failureText(const QString &refused) const
{
    if (m_status != 200)
        return m_portalMessage.isEmpty() ? refused : m_portalMessage;
    return isAccepted() ? QString() : tr("The portal did not return an access token.");
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
