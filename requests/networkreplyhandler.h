#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonValue>
#include <QMetaType>
#include <QNetworkReply>
#include <QPointer>
#include <QString>

class QJsonObject;

// Classifies one finished reply: error or not, the text to show, the body as
// JSON. Copyable; the reply is not owned, and is scheduled for deletion when
// a copy goes (again and harmlessly by every further copy).
class NetworkReplyHandler
{
    Q_DECLARE_TR_FUNCTIONS(NetworkReplyHandler)

public:
    explicit NetworkReplyHandler(QNetworkReply *reply = nullptr);
    NetworkReplyHandler(const NetworkReplyHandler &other) = default;
    NetworkReplyHandler &operator=(const NetworkReplyHandler &other) = default;
    ~NetworkReplyHandler();

    bool isError() const;
    QString errorMessage() const;
    const QJsonDocument &replyJSON() const;
    QNetworkReply *reply() const;
    // The reply's code; TimeoutError for a reply ended for lack of progress.
    QNetworkReply::NetworkError error() const;
    // The HTTP status, 0 when no HTTP reply arrived.
    int httpStatus() const;
    // The body as received (read once, here).
    const QByteArray &body() const;

    static QJsonValue findJsonValue(const QJsonObject &object, const QString &key);

    QString defineErrorMessage(QNetworkReply *reply, const QByteArray &body) const;

private:
    static const QHash<QNetworkReply::NetworkError, QString> &serverNotReachedErrors();
    static QNetworkReply::NetworkError effectiveError(const QNetworkReply *reply);
    static int statusOf(const QNetworkReply *reply);
    void classifyBody();
    void logOutcome() const;

    QPointer<QNetworkReply> m_reply;
    QString m_errorMessage;
    bool m_isError = true;
    QJsonDocument m_replyJSON;
    QByteArray m_body;
};

Q_DECLARE_METATYPE(NetworkReplyHandler)
