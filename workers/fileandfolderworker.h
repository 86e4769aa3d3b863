#pragma once

#include "requests/copyfolderflags.h"
#include "workers/servertaskworker.h"

// An operation on a mixed selection: one request for all files first, then
// one for all folders. A failed file half ends the operation before any
// folder is touched; either half is skipped when its list is empty.
class FileAndFolderWorker : public ServerTaskWorker
{
    Q_OBJECT
public:
    FileAndFolderWorker(DataAccessObject *dao, const QList<int> &fileIds, const QList<int> &folderIds,
                        const QStringList &fileNames, const QStringList &folderNames, int toFolderId,
                        CopyFolderFlags::Flags flag, DirectoryType::RootDirectoryTypes root, QObject *parent);

protected:
    // The notification texts of the two halves.
    struct Texts
    {
        QString filesDone;
        QString filesFailed;
        QString foldersDone;
        QString foldersFailed;
        QString taskCheckFailed;
        QString taskFailed;
    };

    void setTexts(const Texts &texts) { m_texts = texts; }
    // For operations that take the entries out of this section (restore, delete):
    // each confirmed half removes its entries from the cache.
    void removeEntriesWhenDone() { m_removesEntries = true; }

    void startWork() override;
    // Send the request for all files / all folders, connected to the subclass's handler.
    virtual void sendFilesRequest() = 0;
    virtual void sendFoldersRequest() = 0;
    // The files' cache change once the portal confirmed them.
    virtual void applyFilesChange(const QVariantMap &result);
    // Whether the portal answers the folder request with a server task.
    virtual bool foldersRunAsTask() const { return true; }

    void handleFilesResult(const QVariantMap &result);
    void handleFoldersResult(const QVariantMap &result);

    void taskCompleted() override;
    QString taskCheckFailureText() const override { return m_texts.taskCheckFailed; }
    QString taskErrorText() const override { return m_texts.taskFailed; }

    const QList<int> m_fileIds;
    const QList<int> m_folderIds;
    const QStringList m_fileNames;
    const QStringList m_folderNames;
    const int m_toFolderId;
    const CopyFolderFlags::Flags m_flag;

private:
    void startFolders();
    void finishFolders();

    Texts m_texts;
    bool m_removesEntries = false;
};
