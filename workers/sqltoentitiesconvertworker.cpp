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

    QList<FolderElementEntity> entities;
    while (query.next()) {
        const QSqlRecord row = query.record();
        FolderElementEntity entity;
        entity.name = row.value(QStringLiteral("name")).toString();
        entity.ownerId = row.value(QStringLiteral("owner_id")).toInt();
        entity.id = row.value(QStringLiteral("id")).toInt();
        entity.timestamp = QDateTime::fromString(row.value(QStringLiteral("timestamp")).toString(), Qt::ISODate);
        entity.busy = row.value(QStringLiteral("busy")).toBool();
        entity.isShared = row.value(QStringLiteral("is_shared")).toBool();
        entity.isFile = row.value(QStringLiteral("is_file")).toBool();
        if (entity.isFile) {
            entity.isFavorite = row.value(QStringLiteral("is_favorite")).toBool();
            entity.size = row.value(QStringLiteral("size")).toInt();
        } else {
            entity.type = row.value(QStringLiteral("type")).toInt();
        }
        entities.append(entity);
    }
    qInfo() << "Converted new files data" << entities;
    emit entitiesComplete(entities);
}
