#pragma once

#include "controllers/connectioncontroller.h"

class ForgotPasswordWorker;

// The password recovery page; success is announced by the worker's notification.
class PasswordRecoveryPageController : public ConnectionController
{
    Q_OBJECT

public:
    explicit PasswordRecoveryPageController(QObject *parent = nullptr);

    Q_INVOKABLE void sendForget(const QString &login);

private slots:
    void handleForgotWork(bool success, const QString &errorMessage);

private:
    ForgotPasswordWorker *m_worker = nullptr;
};
