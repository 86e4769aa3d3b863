#pragma once

#include <QCoreApplication>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

class QJsonDocument;

// The nested reply of sign-in and token refresh: "Status" at the top, the
// tokens under "Response"/"Data"/"Tokens" and the profile under
// "Response"/"Data"/"User". A missing level reads as empty values.
class AuthReply
{
    Q_DECLARE_TR_FUNCTIONS(AuthReply)

public:
    explicit AuthReply(const QJsonDocument &document);

    // The portal's own status is 200 and it sent an access token.
    bool isAccepted() const;
    // Empty when accepted. Otherwise why not: the portal's own message when it
    // sent one, else `refused` for a refusing status, or the missing token.
    QString failureText(const QString &refused) const;
    QString accessToken() const;
    QString refreshToken() const;
    const QJsonObject &user() const;

private:
    int m_status = 0;
    QString m_portalMessage;
    QJsonValue m_accessToken;
    QString m_refreshToken;
    QJsonObject m_user;
};
