#pragma once

#include <QDateTime>
#include <QDebug>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

// One file or folder of a listing, as the pages show it.
struct FolderElementEntity
{
    QString name;
    int ownerId = -1;
    int id = -1;
    bool isFile = false;
    QDateTime timestamp;
    bool isFavorite = false;
    int type = -1;
    bool busy = false;
    int size = -1;
    bool selected = false;
    bool isShared = false;
    // Folders from the root down to the entry's folder (search results).
    QList<int> pathIds;
    QStringList pathNames;

    // Owner, kind, type, size and path do not make an entry look changed.
    bool operator==(const FolderElementEntity &other) const;
    bool operator!=(const FolderElementEntity &other) const { return !(*this == other); }
};

QDebug operator<<(QDebug debug, const FolderElementEntity &entity);

Q_DECLARE_METATYPE(FolderElementEntity)
