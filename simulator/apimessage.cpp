#include "simulator/apimessage.h"

QString ApiRequest::queryValue(const QString &key) const
{
    for (auto it = query.constBegin(); it != query.constEnd(); ++it) {
        if (it.key().compare(key, Qt::CaseInsensitive) == 0)
            return it.value();
    }
    return QString();
}

bool ApiRequest::hasQuery(const QString &key) const
{
    for (auto it = query.constBegin(); it != query.constEnd(); ++it) {
        if (it.key().compare(key, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool ApiRequest::queryInt(const QString &key, int *value) const
{
    bool ok = false;
    const int parsed = queryValue(key).toInt(&ok);
    if (ok)
        *value = parsed;
    return ok;
}

ApiReply ApiReply::json(const QJsonObject &object, int status)
{
    ApiReply reply;
    reply.status = status;
    reply.body = QJsonDocument(object).toJson(QJsonDocument::Compact);
    return reply;
}

ApiReply ApiReply::json(const QJsonArray &array, int status)
{
    ApiReply reply;
    reply.status = status;
    reply.body = QJsonDocument(array).toJson(QJsonDocument::Compact);
    return reply;
}

ApiReply ApiReply::plainTrue()
{
    ApiReply reply;
    reply.body = "true";
    return reply;
}

ApiReply ApiReply::bytes(const QByteArray &data, const QByteArray &contentType)
{
    ApiReply reply;
    reply.body = data;
    reply.contentType = contentType;
    return reply;
}

ApiReply ApiReply::error(int status, const QString &message)
{
    return json(QJsonObject{{QStringLiteral("Status"), status}, {QStringLiteral("ErrorMessage"), message}}, status);
}

QList<int> jsonIds(const QJsonValue &value)
{
    QList<int> ids;
    const QJsonArray array = value.toArray();
    for (const QJsonValue &element : array) {
        if (element.isDouble()) {
            ids.append(element.toInt());
        } else if (element.isString()) {
            bool ok = false;
            const int id = element.toString().toInt(&ok);
            if (ok)
                ids.append(id);
        }
    }
    return ids;
}
