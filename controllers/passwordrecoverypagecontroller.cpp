#include "passwordrecoverypagecontroller.h"

#include "workers/forgotpasswordworker.h"

PasswordRecoveryPageController::PasswordRecoveryPageController(QObject *parent)
    : ConnectionController(parent)
{
}

void PasswordRecoveryPageController::sendForget(const QString &login)
{
    if (!m_worker) {
        m_worker = new ForgotPasswordWorker(this);
        connect(m_worker, &Worker::workFinished, this, &PasswordRecoveryPageController::handleForgotWork);
    }
    setConnectionFailed(false);
    setConnectionInProgress(true);
    m_worker->sendForgot(login);
}

void PasswordRecoveryPageController::handleForgotWork(bool success, const QString &errorMessage)
{
    setConnectionInProgress(false);
    if (success)
        return;
    setErrorMessage(errorMessage);
    setConnectionFailed(true);
}
