#include "sqltoentitiesconvertworker.h"

#include "database/dataaccessobject.h"

#include <QDateTime>
#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

SqlToEntitiesConvertWorker::SqlToEntitiesConvertWorker(QObject *parent)
    : QObject(parent)
{
}

void SqlToEntitiesConvertWorker::convert(DataAccessObject *dao, const QString &sql)
{
    if (!dao) {
        qWarning() << "Error convert folders: DAO is null";
        emit entitiesComplete({});
        return;
    }
    QSqlQuery query = dao->retrieveEntitiesByQuery(sql);
    if (!query.lastError().text().trimmed().isEmpty())
        qWarning() << "Get entities from DAO failed";

    // Columns found once by name, then read by position.
    const QSqlRecord columns = query.record();
    const auto column = [&columns](const char *name) { return columns.indexOf(QLatin1String(name)); };
    const int name = column("name");
    const int ownerId = column("owner_id");
    const int id = column("id");
    const int timestamp = column("timestamp");
    const int busy = column("busy");
    const int isShared = column("is_shared");
    const int isFile = column("is_file");
    const int isFavorite = column("is_favorite");
    const int size = column("size");
    const int type = column("type");

    QList<FolderElementEntity> entities;
    while (query.next()) {
        FolderElementEntity entity;
        entity.name = query.value(name).toString();
        entity.ownerId = query.value(ownerId).toInt();
        entity.id = query.value(id).toInt();
        entity.timestamp = QDateTime::fromString(query.value(timestamp).toString(), Qt::ISODate);
        entity.busy = query.value(busy).toBool();
        entity.isShared = query.value(isShared).toBool();
        entity.isFile = query.value(isFile).toBool();
        if (entity.isFile) {
            entity.isFavorite = query.value(isFavorite).toBool();
            entity.size = query.value(size).toInt();
        } else {
            entity.type = query.value(type).toInt();
        }
        entities.append(entity);
    }
    qInfo() << "Converted new files data:" << entities.size() << "entries";
    emit entitiesComplete(entities);
}
