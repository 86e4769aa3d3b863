#pragma once

#include "workers/worker.h"

#include <QHash>
#include <QVariantMap>

// Asks the portal to send password recovery to a login.
class ForgotPasswordWorker : public Worker
{
    Q_OBJECT
public:
    explicit ForgotPasswordWorker(QObject *parent = nullptr);

    void sendForgot(const QString &login);

public slots:
    void handleForgotReply(const QVariantMap &response);

private:
    static const QHash<QString, QString> &strings();
};
