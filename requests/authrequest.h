#pragma once

#include "requests/requestinterface.h"

class QNetworkReply;

// Sign-in with login and password; the result carries the tokens and profile.
class AuthRequest : public RequestInterface
{
    Q_OBJECT
public:
    AuthRequest(const QString &login, const QString &password, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;

private:
    QVariantMap handleAuthReply(QNetworkReply *reply) const;

    QString m_login;
    QString m_password;
};
