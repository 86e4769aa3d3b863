#pragma once

#include "controllers/actionscontroller.h"
#include "requests/copyfolderflags.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Operations on a mixed selection of files and folders. Copy and move act on
// the My documents cache rows and restore on the Trash rows, whatever page
// they were started from; delete acts in the page's own section.
class FileAndFolderActionsController : public ActionsController
{
    Q_OBJECT

public:
    explicit FileAndFolderActionsController(QObject *parent = nullptr);

    Q_INVOKABLE void copySelectedFilesAndFolders(const QList<int> &selectedFileIds,
                                                 const QList<int> &selectedFolderIds,
                                                 const QStringList &selectedFileNames,
                                                 const QStringList &selectedFolderNames, int toDirectoryId,
                                                 CopyFolderFlags::Flags flag);
    Q_INVOKABLE void moveSelectedFilesAndFolders(const QList<int> &selectedFileIds,
                                                 const QList<int> &selectedFolderIds,
                                                 const QStringList &selectedFileNames,
                                                 const QStringList &selectedFolderNames, int toDirectoryId,
                                                 CopyFolderFlags::Flags flag);
    Q_INVOKABLE void restoreSelectedFilesAndFolders(const QList<int> &selectedFileIds,
                                                    const QList<int> &selectedFolderIds,
                                                    const QStringList &selectedFileNames,
                                                    const QStringList &selectedFolderNames, int toDirectoryId,
                                                    CopyFolderFlags::Flags flag);
    Q_INVOKABLE void deleteSelectedFilesAndFolders(const QHash<int, QString> &selectedFiles,
                                                   const QHash<int, QString> &selectedFolders);
};
