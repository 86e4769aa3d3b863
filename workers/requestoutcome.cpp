#include "requestoutcome.h"

#include "requests/requestinterface.h"

namespace RequestOutcome {

bool succeeded(const QVariantMap &result)
{
    return result.value(RequestInterface::s_successKey).toBool();
}

QString failureMessage(const QVariantMap &result)
{
    const QString error = result.value(RequestInterface::s_errorKey).toString();
    if (!error.isEmpty())
        return error;
    return RequestInterface::unreadableAnswerText();
}

QString finishMessage(const QVariantMap &result)
{
    return succeeded(result) ? QString() : failureMessage(result);
}

} // namespace RequestOutcome
