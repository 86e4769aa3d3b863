#pragma once

#include "requests/requestinterface.h"

// Asks the portal to send password recovery to the user of a login.
class ForgotPasswordRequest : public RequestInterface
{
    Q_OBJECT
public:
    explicit ForgotPasswordRequest(const QString &login, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;

private:
    QString m_login;
};
