#include "renamefilerequest.h"

#include "requests/apicontants.h"

RenameFileRequest::RenameFileRequest(int fileId, const QString &newName, QObject *parent)
    : RenameRequest(ApiContants::s_renameFile, fileId, newName, parent)
{
}

QVariantMap RenameFileRequest::perform()
{
    const NetworkReplyHandler handler = sendRename();
    if (handler.isError()) {
        logFailure("Request error", handler);
        return failureResult(handler.errorMessage());
    }
    const QVariantMap result{
        {s_successKey, true},
        {s_errorKey, handler.errorMessage()},
        {QStringLiteral("newFileName"), replyValue(handler, QStringLiteral("Name"))},
    };
    logResult(result);
    return result;
}
