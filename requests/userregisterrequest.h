#pragma once

#include "requests/requestinterface.h"

// Self-registration of a new portal user.
class UserRegisterRequest : public RequestInterface
{
    Q_OBJECT
public:
    UserRegisterRequest(QString email, const QString &password, const QString &firstName, const QString &surname,
                        QObject *parent = nullptr);

protected:
    QVariantMap perform() override;

private:
    QString m_email;
    QString m_password;
    QString m_firstName;
    QString m_surname;
};
