#pragma once

#include "controllers/actionscontroller.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class SecureStorage;

// The file menu: each action starts its worker on the pool.
class FileActionsController : public ActionsController
{
    Q_OBJECT

public:
    explicit FileActionsController(QObject *parent = nullptr);

    Q_INVOKABLE void moveToTrash(int fileId, const QString &fileName);
    Q_INVOKABLE void renameFile(int fileId, const QString &fileName, const QString &newFileName);
    Q_INVOKABLE void copyFile(const QList<int> &fileIds, int toDirectoryId, const QStringList &fileNames);
    // A copy beside the original; it is in the cache at once.
    Q_INVOKABLE void duplicateFile(const QList<int> &fileIds, int toDirectoryId, const QString &fileName);
    Q_INVOKABLE void moveFile(const QList<int> &fileIds, int toDirectoryId, const QStringList &fileName);
    // accessType is a FileAccessType::AccessType.
    Q_INVOKABLE void shareFile(int fileId, int toUserId, int accessType, const QString &fileName);
    Q_INVOKABLE void unShareFile(int fileId, int toUserId, int accessType, const QString &fileName);
    Q_INVOKABLE void addFileToFavorites(int documentID, const QString &documentName);
    Q_INVOKABLE void deleteFileFromFavorites(const QList<int> &documentIDs, const QList<QString> &documentNames);
    Q_INVOKABLE void deleteSelectedFilesFromFavorites(const QHash<int, QString> &selectedFiles);
    Q_INVOKABLE void restoreFile(int documentID, int toFolderId, const QString &documentName);
    Q_INVOKABLE void downloadTo(int fileId, const QString &path, const QString &fileName);
    // Into the documents of the open secure container; its end shows only in
    // the transfer list and the notifications. Refused without an open container.
    Q_INVOKABLE void downloadAsPdf(int fileId, const QString &fileName, SecureStorage *sstore);
};
