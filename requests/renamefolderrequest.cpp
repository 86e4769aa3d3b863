#include "renamefolderrequest.h"

#include "requests/apicontants.h"

RenameFolderRequest::RenameFolderRequest(int folderId, const QString &newName, QObject *parent)
    : RenameRequest(ApiContants::s_renameFolder, folderId, newName, parent)
{
}

QVariantMap RenameFolderRequest::perform()
{
    // The result carries the name asked for, whatever the portal made of it.
    const QString newName = this->newName();
    return report(sendRename(), "Request error", FailureSaysSuccess | SuccessSaysError,
                  {{QStringLiteral("folderId"), id()}}, [newName](const NetworkReplyHandler &) {
                      return QVariantMap{{QStringLiteral("newFolderName"), newName}};
                  });
}
