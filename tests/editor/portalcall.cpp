#include "portalcall.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

PortalCall PortalCall::send(const QByteArray &method, const QUrl &url, const QString &token, const QByteArray &body)
{
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("text/plain;charset=UTF-8"));
    if (!token.isEmpty())
        request.setRawHeader("Authorization", token.toUtf8());
    QNetworkReply *reply = manager.sendCustomRequest(request, method, body);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();
    PortalCall call;
    call.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    call.body = reply->readAll();
    delete reply;
    return call;
}

QJsonObject PortalCall::object() const
{
    return QJsonDocument::fromJson(body).object();
}
