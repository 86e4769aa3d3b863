#include "copyfileandfolderworkers.h"

#include "database/dataaccessobject.h"
#include "requests/copyfilerequest.h"
#include "requests/copyfolderrequest.h"

CopyFileAndFolderWorkers::CopyFileAndFolderWorkers(DataAccessObject *dao, const QList<int> &fileIds,
                                                   const QList<int> &folderIds, const QStringList &fileNames,
                                                   const QStringList &folderNames, int toFolderId,
                                                   CopyFolderFlags::Flags flag,
                                                   DirectoryType::RootDirectoryTypes root, QObject *parent)
    : FileAndFolderWorker(dao, fileIds, folderIds, fileNames, folderNames, toFolderId, flag, root, parent)
{
    setTexts({tr("Files are copied successfully"), tr("Error copy files"), tr("Folders are copied successfully"),
              tr("Error copy folders"), tr("Error copy folders %1").arg(joinNames(folderNames)),
              tr("Error copy folders")});
}

void CopyFileAndFolderWorkers::sendFilesRequest()
{
    startRequest(new CopyFileRequest(m_fileIds, m_toFolderId), &CopyFileAndFolderWorkers::handleFilesCopyingRequest);
}

void CopyFileAndFolderWorkers::sendFoldersRequest()
{
    startRequest(new CopyFolderRequest(m_folderIds, m_toFolderId, m_flag),
                 &CopyFileAndFolderWorkers::handleFoldersCopyingRequest);
}

void CopyFileAndFolderWorkers::applyFilesChange(const QVariantMap &result)
{
    m_dao->insertFiles(result.value(QStringLiteral("copiedFiles")).toList(), m_root);
}

void CopyFileAndFolderWorkers::handleFilesCopyingRequest(const QVariantMap &result)
{
    handleFilesResult(result);
}

void CopyFileAndFolderWorkers::handleFoldersCopyingRequest(const QVariantMap &result)
{
    handleFoldersResult(result);
}
