#pragma once

#include "controllers/connectioncontroller.h"

class UserRegisterWorker;

// The self-registration page.
class UserRegisterPageController : public ConnectionController
{
    Q_OBJECT

public:
    explicit UserRegisterPageController(QObject *parent = nullptr);

    // The address is stored as typed.
    Q_INVOKABLE void userRegister(const QString &portalAddress, const QString &email, const QString &pass,
                                  const QString &firstName, const QString &surName);

signals:
    void registered(bool success);

private slots:
    void handleWork(bool success, const QString &data);

private:
    UserRegisterWorker *m_worker;
};
