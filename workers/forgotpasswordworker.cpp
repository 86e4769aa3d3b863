#include "forgotpasswordworker.h"

#include "requests/forgotpasswordrequest.h"


ForgotPasswordWorker::ForgotPasswordWorker(QObject *parent)
    : Worker(nullptr, nullptr, parent)
{
}

const QHash<QString, QString> &ForgotPasswordWorker::strings()
{
    static const QHash<QString, QString> s_strings{
        {QStringLiteral("Login is empty"), tr("empty login")},
        {QStringLiteral("User not found"), tr("user not found")},
    };
    return s_strings;
}

void ForgotPasswordWorker::sendForgot(const QString &login)
{
    startRequest(new ForgotPasswordRequest(login), &ForgotPasswordWorker::handleForgotReply);
}

void ForgotPasswordWorker::handleForgotReply(const QVariantMap &response)
{
    if (response.value(QStringLiteral("success")).toBool()) {
        publishInfoNotify(tr("Request done"));
        emit workFinished(true, QString());
        return;
    }
    const QString reason =
        response.value(QStringLiteral("data")).toMap().value(QStringLiteral("Data")).toString();
    if (!reason.isEmpty()) {
        publishWarningNotify(strings().value(reason, reason), tr("Error send forgot request to portal"));
        emit workFinished(false, reason);
        return;
    }
    emit workFinished(false, response.value(QStringLiteral("error")).toString());
    publishWarningNotify(tr("Error send forgot request to portal"));
}
