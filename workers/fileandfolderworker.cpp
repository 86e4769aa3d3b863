#include "fileandfolderworker.h"

#include "database/dataaccessobject.h"

FileAndFolderWorker::FileAndFolderWorker(DataAccessObject *dao, const QList<int> &fileIds,
                                         const QList<int> &folderIds, const QStringList &fileNames,
                                         const QStringList &folderNames, int toFolderId, CopyFolderFlags::Flags flag,
                                         DirectoryType::RootDirectoryTypes root, QObject *parent)
    : ServerTaskWorker(dao, root, parent)
    , m_fileIds(fileIds)
    , m_folderIds(folderIds)
    , m_fileNames(fileNames)
    , m_folderNames(folderNames)
    , m_toFolderId(toFolderId)
    , m_flag(flag)
{
}

void FileAndFolderWorker::startWork()
{
    if (m_fileIds.isEmpty() && m_folderIds.isEmpty()) {
        // Nothing to send; the report belongs to the main thread like every other.
        QMetaObject::invokeMethod(
            this, [this] { finishWork(false, tr("Nothing is selected")); }, Qt::QueuedConnection);
        return;
    }
    if (m_fileIds.isEmpty()) {
        startFolders();
        return;
    }
    markFilesBusy(m_fileIds);
    sendFilesRequest();
}

void FileAndFolderWorker::applyFilesChange(const QVariantMap &)
{
    if (!m_removesEntries)
        return;
    for (int id : m_fileIds)
        m_dao->deleteFile(id, m_root);
}

void FileAndFolderWorker::handleFilesResult(const QVariantMap &result)
{
    if (isFinished())
        return;
    clearBusy();
    if (!succeeded(result)) {
        fail(m_texts.filesFailed, result);
        return;
    }
    applyFilesChange(result);
    if (m_folderIds.isEmpty()) {
        succeed(m_texts.filesDone, joinNames(m_fileNames));
        return;
    }
    publishInfoNotify(m_texts.filesDone);
    startFolders();
}

void FileAndFolderWorker::startFolders()
{
    markFoldersBusy(m_folderIds);
    sendFoldersRequest();
}

void FileAndFolderWorker::handleFoldersResult(const QVariantMap &result)
{
    if (isFinished())
        return;
    clearBusy();
    if (foldersRunAsTask()) {
        watchServerTask(result, m_texts.foldersFailed);
        return;
    }
    if (!succeeded(result)) {
        fail(m_texts.foldersFailed, result);
        return;
    }
    finishFolders();
}

void FileAndFolderWorker::taskCompleted()
{
    finishFolders();
}

void FileAndFolderWorker::finishFolders()
{
    if (m_removesEntries) {
        for (int id : m_folderIds)
            m_dao->deleteFolder(id, m_root);
    }
    succeed(m_texts.foldersDone, joinNames(m_folderNames));
}
