#include "renamefolderrequest.h"

#include "requests/apicontants.h"

RenameFolderRequest::RenameFolderRequest(int folderId, const QString &newName, QObject *parent)
    : RenameRequest(ApiContants::s_renameFolder, folderId, newName, parent)
{
}

QVariantMap RenameFolderRequest::perform()
{
    const NetworkReplyHandler handler = sendRename();
    const QString folderIdKey = QStringLiteral("folderId");
    if (handler.isError()) {
        logFailure("Request error", handler);
        QVariantMap failure = failureResult(handler.errorMessage());
        failure.insert(folderIdKey, id());
        return failure;
    }
    // The portal confirms without echoing the name, so the result carries the one asked for.
    const QVariantMap result{
        {s_successKey, true},
        {folderIdKey, id()},
        {QStringLiteral("newFolderName"), newName()},
        {s_errorKey, handler.errorMessage()},
    };
    logResult(result);
    return result;
}
