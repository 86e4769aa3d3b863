#pragma once

#include "workers/worker.h"

#include <QVariantMap>

// Self-registration of a new portal user.
class UserRegisterWorker : public Worker
{
    Q_OBJECT
public:
    struct RegisterData
    {
        QString email;
        QString password;
        QString firstName;
        QString surname;
    };

    explicit UserRegisterWorker(QObject *parent = nullptr);

    void registerUser(const RegisterData &data);

public slots:
    void handleLoginRequest(const QVariantMap &response);

private:
    QString m_email;
};
