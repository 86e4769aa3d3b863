#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

// One decoded request as the endpoint handlers see it.
struct ApiRequest
{
    QString method;
    QString path;                      // percent-decoded, without the query
    QString target;                    // the raw request target
    QHash<QString, QString> query;     // keys as sent, decoded values
    QHash<QString, QString> headers;   // lower-case names
    QByteArray body;
    QString baseUrl;                   // scheme, host and port the client used
    int userId = 0;                    // the signed-in user, set by the router

    // Query keys compare without case, as the portal's model binding does.
    QString queryValue(const QString &key) const;
    bool hasQuery(const QString &key) const;
    // An integer query value; false when absent or not a number.
    bool queryInt(const QString &key, int *value) const;
    QString header(const QString &name) const { return headers.value(name.toLower()); }
    // The body as a JSON object or array; null document when it is not JSON.
    QJsonDocument json() const { return QJsonDocument::fromJson(body); }
};

// What a handler answers; the server writes it as an HTTP response.
struct ApiReply
{
    int status = 200;
    QByteArray body;
    QByteArray contentType = "application/json; charset=utf-8";
    QHash<QByteArray, QByteArray> headers;

    static ApiReply json(const QJsonObject &object, int status = 200);
    static ApiReply json(const QJsonArray &array, int status = 200);
    static ApiReply plainTrue();
    static ApiReply bytes(const QByteArray &data, const QByteArray &contentType);
    // The portal's error answer: {"Status": status, "ErrorMessage": message}.
    static ApiReply error(int status, const QString &message);
    static ApiReply badRequest(const QString &message) { return error(400, message); }
    static ApiReply notFound(const QString &message) { return error(404, message); }
    static ApiReply forbidden() { return error(403, QStringLiteral("Access denied")); }
};

// Ids from a JSON array that may hold numbers or decimal strings.
QList<int> jsonIds(const QJsonValue &value);
