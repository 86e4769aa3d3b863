#include "userregisterpagecontroller.h"

#include "settings/settings.h"
#include "workers/userregisterworker.h"

UserRegisterPageController::UserRegisterPageController(QObject *parent)
    : ConnectionController(parent)
    , m_worker(new UserRegisterWorker(this))
{
    connect(m_worker, &Worker::workFinished, this, &UserRegisterPageController::handleWork);
}

void UserRegisterPageController::userRegister(const QString &portalAddress, const QString &email,
                                              const QString &pass, const QString &firstName, const QString &surName)
{
    if (m_settings)
        m_settings->savePortalAddress(portalAddress);
    m_worker->registerUser({email, pass, firstName, surName});
    setConnectionInProgress(true);
}

void UserRegisterPageController::handleWork(bool success, const QString &data)
{
    setConnectionInProgress(false);
    if (!success) {
        showErrorMessage(data);
        return;
    }
    emit registered(true);
}
