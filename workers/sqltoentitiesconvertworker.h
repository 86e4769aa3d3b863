#pragma once

#include "database/folderelemententity.h"

#include <QList>
#include <QObject>
#include <QString>

class DataAccessObject;

// Reads cache rows back as the entities a page shows.
class SqlToEntitiesConvertWorker : public QObject
{
    Q_OBJECT
public:
    explicit SqlToEntitiesConvertWorker(QObject *parent = nullptr);

    // Runs sql on the cache and emits the rows before it returns; call it on
    // the cache's thread.
    void convert(DataAccessObject *dao, const QString &sql);

signals:
    void entitiesComplete(const QList<FolderElementEntity> &entities);
};
