#include "userregisterworker.h"

#include "requests/userregisterrequest.h"

#include <QDebug>

UserRegisterWorker::UserRegisterWorker(QObject *parent)
    : Worker(nullptr, nullptr, parent)
{
}

void UserRegisterWorker::registerUser(const RegisterData &data)
{
    qDebug() << "Start register new user work";
    m_email = data.email;
    startRequest(new UserRegisterRequest(data.email, data.password, data.firstName, data.surname), &UserRegisterWorker::handleLoginRequest);
}

void UserRegisterWorker::handleLoginRequest(const QVariantMap &response)
{
    if (response.value(QStringLiteral("success")).toBool()) {
        emit workFinished(true, QString());
        return;
    }
    QString text = response.value(QStringLiteral("error")).toString();
    // The portal answers an existing account with 409, which the message ends with.
    if (text.contains(QStringLiteral("409")))
        text = QStringLiteral("%1: %2").arg(tr("User already exists"), m_email);
    emit workFinished(false, text);
}
