#include "networkreplyhandler.h"

#include "requests/logredactor.h"
#include "requests/requestinterface.h"
#include "requests/replytimeout.h"

#include <QHash>
#include <QJsonObject>

NetworkReplyHandler::NetworkReplyHandler(QNetworkReply *reply)
    : m_reply(reply)
{
    if (!reply)
        return;
    // An aborted reply is closed: nothing to read.
    if (reply->isReadable())
        m_body = reply->readAll();
    qInfo().noquote() << "Reply:" << LogRedactor::rawText(m_body);
    const int status = statusOf(reply);
    // A status outside 2xx (a redirect, say) is no answer to the call even
    // where the network stack saw no error.
    m_isError = effectiveError(reply) != QNetworkReply::NoError || (status != 0 && (status < 200 || status >= 300));
    if (m_isError)
        m_errorMessage = defineErrorMessage(reply, m_body);
    else
        classifyBody();
    logOutcome();
}

NetworkReplyHandler::~NetworkReplyHandler()
{
    if (m_reply)
        m_reply->deleteLater();
}

bool NetworkReplyHandler::isError() const
{
    return m_isError;
}

QString NetworkReplyHandler::errorMessage() const
{
    return m_errorMessage;
}

const QJsonDocument &NetworkReplyHandler::replyJSON() const
{
    return m_replyJSON;
}

QNetworkReply *NetworkReplyHandler::reply() const
{
    return m_reply;
}

QNetworkReply::NetworkError NetworkReplyHandler::error() const
{
    return effectiveError(m_reply);
}

int NetworkReplyHandler::httpStatus() const
{
    return statusOf(m_reply);
}

const QByteArray &NetworkReplyHandler::body() const
{
    return m_body;
}

QJsonValue NetworkReplyHandler::findJsonValue(const QJsonObject &object, const QString &key)
{
    if (object.isEmpty()) {
        qInfo() << "JSON object is empty";
        return QJsonValue();
    }
    const QJsonValue value = object.value(key);
    if (value.isNull()) {
        qInfo().noquote() << QStringLiteral("Value by key \"%1\" on JSON object is null").arg(key);
        return QJsonValue();
    }
    if (value.isUndefined()) {
        qInfo().noquote() << QStringLiteral("Value by key \"%1\" on JSON object is undefined").arg(key);
        return QJsonValue();
    }
    return value;
}

QString NetworkReplyHandler::defineErrorMessage(QNetworkReply *reply, const QByteArray &body) const
{
    if (!reply)
        return QString();
    const int status = statusOf(reply);
    const QNetworkReply::NetworkError code = effectiveError(reply);
    // No HTTP answer, or the connection broke (or stalled) after the status
    // line: the transport failure is what the user has to know about.
    const bool transportFailure = code > QNetworkReply::NoError && code < QNetworkReply::ProxyConnectionRefusedError;
    if (status == 0 || transportFailure)
        return serverNotReachedErrors().value(code, tr("Unexpected server error"));

    QString message;
    if (status == 401) {
        message = tr("Authorization error:\nIncorrect login and/or password.");
    } else if (!body.trimmed().isEmpty()) {
        const QJsonDocument document = QJsonDocument::fromJson(body);
        message = document.isNull() ? QString::fromUtf8(body)
                                    : findJsonValue(document.object(), QStringLiteral("ErrorMessage")).toString();
    }
    if (message.isEmpty())
        message = tr("Failed to send the request to portal.");
    if (!message.endsWith(QLatin1Char('.')))
        message += QLatin1Char('.');
    return message + QLatin1Char(' ') + tr("Error %1.").arg(status);
}

const QHash<QNetworkReply::NetworkError, QString> &NetworkReplyHandler::serverNotReachedErrors()
{
    static const QHash<QNetworkReply::NetworkError, QString> s_serverNotReachedErrors = {
        {QNetworkReply::ConnectionRefusedError, tr("The portal refused the connection.")},
        {QNetworkReply::RemoteHostClosedError, tr("The portal closed the connection.")},
        {QNetworkReply::HostNotFoundError, tr("The portal address is not found.")},
        {QNetworkReply::TimeoutError, tr("The connection to the portal timed out.")},
        {QNetworkReply::InternalServerError, tr("The unexpected portal error.")},
        {QNetworkReply::ServiceUnavailableError, tr("The portal is unavailable.")},
        {QNetworkReply::SslHandshakeFailedError, tr("The ssl handshake error.")},
    };
    return s_serverNotReachedErrors;
}

QNetworkReply::NetworkError NetworkReplyHandler::effectiveError(const QNetworkReply *reply)
{
    if (!reply)
        return QNetworkReply::UnknownNetworkError;
    return ReplyTimeout::hasTimedOut(reply) ? QNetworkReply::TimeoutError : reply->error();
}

int NetworkReplyHandler::statusOf(const QNetworkReply *reply)
{
    return reply ? reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() : 0;
}

void NetworkReplyHandler::classifyBody()
{
    const int zero = m_body.indexOf('\0');
    m_replyJSON = QJsonDocument::fromJson(zero < 0 ? m_body : m_body.left(zero));
    // "true" is how the portal confirms calls that return nothing else.
    if (m_replyJSON.isNull() && !m_body.isEmpty() && m_body != "true") {
        m_isError = true;
        // A failure without a text would reach the user as an empty message.
        m_errorMessage = RequestInterface::unreadableAnswerText();
    }
}

void NetworkReplyHandler::logOutcome() const
{
    const int status = statusOf(m_reply);
    if (status == 200 || !m_isError) {
        qInfo().noquote() << QStringLiteral("Reply: %1").arg(LogRedactor::documentText(m_replyJSON));
    } else {
        qInfo().noquote() << QStringLiteral("Error code: %1").arg(status);
        qInfo().noquote() << QStringLiteral("Error message: %1").arg(m_errorMessage);
    }
}
