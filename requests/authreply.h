#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

class QJsonDocument;

// The nested reply of sign-in and token refresh: "Status" at the top, the
// tokens under "Response"/"Data"/"Tokens" and the profile under
// "Response"/"Data"/"User". A missing level reads as empty values.
class AuthReply
{
public:
    explicit AuthReply(const QJsonDocument &document);

    // The portal's own status is 200 and the access token is a string.
    bool isAccepted() const;
    QString accessToken() const;
    QString refreshToken() const;
    const QJsonObject &user() const;

private:
    int m_status = 0;
    QJsonValue m_accessToken;
    QString m_refreshToken;
    QJsonObject m_user;
};
