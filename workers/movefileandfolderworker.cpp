#include "movefileandfolderworker.h"

#include "requests/movefilerequest.h"
#include "requests/movefolderrequest.h"

MoveFileAndFolderWorker::MoveFileAndFolderWorker(DataAccessObject *dao, const QList<int> &fileIds,
                                                 const QList<int> &folderIds, const QStringList &fileNames,
                                                 const QStringList &folderNames, int toFolderId,
                                                 CopyFolderFlags::Flags flag, DirectoryType::RootDirectoryTypes root,
                                                 QObject *parent)
    : FileAndFolderWorker(dao, fileIds, folderIds, fileNames, folderNames, toFolderId, flag, root, parent)
{
    setTexts({tr("Files are moved successfully"), tr("Error move files"), tr("Folders are moved successfully"),
              tr("Error move folders"), tr("Error move folders %1").arg(joinNames(folderNames)),
              tr("Error move folders")});
}

void MoveFileAndFolderWorker::sendFilesRequest()
{
    startRequest(new MoveFileRequest(m_fileIds, m_toFolderId), &MoveFileAndFolderWorker::handleFilesMovingRequest);
}

void MoveFileAndFolderWorker::sendFoldersRequest()
{
    startRequest(new MoveFolderRequest(m_folderIds, m_toFolderId, m_flag),
                 &MoveFileAndFolderWorker::handleFoldersMovingRequest);
}

void MoveFileAndFolderWorker::handleFilesMovingRequest(const QVariantMap &result)
{
    handleFilesResult(result);
}

void MoveFileAndFolderWorker::handleFoldersMovingRequest(const QVariantMap &result)
{
    handleFoldersResult(result);
}
