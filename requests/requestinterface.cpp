#include "requestinterface.h"

#include "requests/logredactor.h"
#include "requests/networkreplyhandler.h"
#include "requests/onlinestate.h"
#include "settings/settings.h"

#include <QNetworkAccessManager>
#include <QUrl>

RequestInterface::RequestInterface(QObject *parent)
    : QObject(parent)
{
}

void RequestInterface::run()
{
    const QVariantMap result = perform();
    emit requestFinished(result);
}

QNetworkRequest RequestInterface::createRequest(const QString &path) const
{
    QNetworkRequest request = portalRequest(path);
    qInfo().noquote() << "REQUEST" << LogRedactor::urlText(request.url());
    return request;
}

QByteArray RequestInterface::jsonToQByteArray(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QString RequestInterface::unreadableAnswerText()
{
    return tr("The portal sent an answer that cannot be read.");
}

bool RequestInterface::isOnline()
{
    return OnlineState::isOnline();
}

void RequestInterface::initNetworkManager(QObject *parent)
{
    // The first manager and the online state made on the main thread let
    // Qt's network backend settle there, before pool threads use it.
    new QNetworkAccessManager(parent);
    OnlineState::prepare();
}

QNetworkRequest RequestInterface::portalRequest(const QString &path)
{
    QNetworkRequest request(portalUrl(path));
    request.setRawHeader(QByteArrayLiteral("Content-Type"), QByteArrayLiteral("application/json"));
    const QByteArray token = authorizationValue();
    if (!token.isEmpty())
        request.setRawHeader(QByteArrayLiteral("Authorization"), token);
    return request;
}

QUrl RequestInterface::portalUrl(const QString &path)
{
    QString address = getPortalAddress();
    // A slash typed at the end of the address must not double the one of the path.
    while (address.endsWith(QLatin1Char('/')))
        address.chop(1);
    return QUrl(address + path, QUrl::TolerantMode);
}

QByteArray RequestInterface::authorizationValue()
{
    return getAuthToken().toUtf8();
}

QVariantMap RequestInterface::failureResult(const QString &message)
{
    return {{s_successKey, false}, {s_errorKey, message}};
}

QVariantMap RequestInterface::offlineResult()
{
    return failureResult(tr("No internet connection"));
}

void RequestInterface::logBody(const QJsonObject &body, const char *label)
{
    logBody(QJsonDocument(body), label);
}

void RequestInterface::logBody(const QJsonDocument &body, const char *label)
{
    qInfo().noquote() << label << LogRedactor::documentText(body);
}

void RequestInterface::logResult(const QVariantMap &result, const char *label)
{
    qInfo().noquote() << label << LogRedactor::mapText(result);
}
