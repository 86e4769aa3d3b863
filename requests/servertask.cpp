#include "servertask.h"

#include "requests/networkreplyhandler.h"

QString ServerTask::failureText(const NetworkReplyHandler &handler)
{
    if (!handler.errorMessage().isEmpty())
        return handler.errorMessage();
    return tr("The portal sent no readable server task state.");
}
