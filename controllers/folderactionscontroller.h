#pragma once

#include "controllers/actionscontroller.h"
#include "requests/copyfolderflags.h"

#include <QList>
#include <QString>
#include <QStringList>

// The folder menu, the archive download and the question whether a copy or
// move would meet folders of the same names.
class FolderActionsController : public ActionsController
{
    Q_OBJECT

public:
    explicit FolderActionsController(QObject *parent = nullptr);

    Q_INVOKABLE void moveFolder(const QList<int> &folderIds, int toFolderId, CopyFolderFlags::Flags flag,
                                const QStringList &folderName);
    Q_INVOKABLE void copyFolder(const QList<int> &folderIds, int toFolderId, CopyFolderFlags::Flags flag,
                                const QStringList &folderNames);
    Q_INVOKABLE void deleteFolder(int folderId, const QString &folderName);
    Q_INVOKABLE void renameFolder(int folderId, const QString &newFolderName, const QString &folderName);
    Q_INVOKABLE void restoreFolder(int folderId, int toFolderId, CopyFolderFlags::Flags flag,
                                   const QString &folderName);
    // accessType is a FileAccessType::AccessType.
    Q_INVOKABLE void shareFolder(int folderId, int toUserId, int accessType, const QString &folderName);
    Q_INVOKABLE void unshareFolder(int folderId, int toUserId, int accessType, const QString &folderName);
    Q_INVOKABLE void downloadFolderAsArchive(int folderId, const QString &folderName,
                                             const QString &toDirectoryPath);
    // Busy until the portal answered; the answer comes as conflictChecked, a
    // failure as the error message.
    Q_INVOKABLE void checkFolderConflicts(const QList<int> &folderIds, int toFolderId);

signals:
    void conflictChecked(bool isConflict);

private slots:
    void handleConflictCheck(bool success, const QString &message);
};
