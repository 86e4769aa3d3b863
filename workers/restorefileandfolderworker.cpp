#include "restorefileandfolderworker.h"

#include "requests/restorefilerequest.h"
#include "requests/restorefolderrequest.h"

RestoreFileAndFolderWorker::RestoreFileAndFolderWorker(DataAccessObject *dao, const QList<int> &fileIds,
                                                       const QList<int> &folderIds, const QStringList &fileNames,
                                                       const QStringList &folderNames, int toFolderId,
                                                       CopyFolderFlags::Flags flag,
                                                       DirectoryType::RootDirectoryTypes root, QObject *parent)
    : FileAndFolderWorker(dao, fileIds, folderIds, fileNames, folderNames, toFolderId, flag, root, parent)
{
    removeEntriesWhenDone();
    setTexts({textForNames(fileNames, tr("File %1 already restored"), tr("Files %1 already restored")),
              textForNames(fileNames, tr("Error restore file %1"), tr("Error restore files %1")),
              textForNames(folderNames, tr("Folder %1 already restored"), tr("Folders %1 already restored")),
              textForNames(folderNames, tr("Error restore folder %1"), tr("Error restore folders %1")),
              QString(), QString()});
}

void RestoreFileAndFolderWorker::sendFilesRequest()
{
    sendRequest(new RestoreFileRequest(m_fileIds, m_toFolderId),
                &RestoreFileAndFolderWorker::handleFilesRestoringRequest);
}

void RestoreFileAndFolderWorker::sendFoldersRequest()
{
    sendRequest(new RestoreFolderRequest(m_folderIds, m_toFolderId, m_flag),
                &RestoreFileAndFolderWorker::handleFoldersRestoringRequest);
}

void RestoreFileAndFolderWorker::handleFilesRestoringRequest(const QVariantMap &result)
{
    handleFilesResult(result);
}

void RestoreFileAndFolderWorker::handleFoldersRestoringRequest(const QVariantMap &result)
{
    handleFoldersResult(result);
}
