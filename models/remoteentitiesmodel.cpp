#include "remoteentitiesmodel.h"

#include "models/converttopdfavailableextensions.h"
#include "models/entityset.h"

#include <QDebug>

#include <algorithm>

RemoteEntitiesModel::RemoteEntitiesModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

int RemoteEntitiesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_entities.size();
}

QString RemoteEntitiesModel::extension(const QString &name)
{
    return extensionView(name).toString();
}

QStringView RemoteEntitiesModel::extensionView(const QString &name)
{
    return QStringView(name).mid(name.lastIndexOf(QLatin1Char('.')) + 1);
}

QVariant RemoteEntitiesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_entities.size())
        return QVariant();
    const FolderElementEntity &entity = m_entities.at(index.row());
    switch (role) {
    case NameRole:
        return entity.name;
    case OwnerIdRole:
        return entity.ownerId;
    case TimestampRole:
        return entity.timestamp;
    case IdRole:
        return entity.id;
    case ElementTypeRole:
        return entity.isFile;
    case FavoriteRole:
        return entity.isFavorite;
    case BusyRole:
        return entity.busy;
    case SizeRole:
        return entity.size;
    case TypeRole:
        return extension(entity.name);
    case SelectedRole:
        return entity.selected;
    case CanConvertToPdfRole:
        return ConvertToPdfAvailableExtensions::canConvert(extension(entity.name));
    case SharedRole:
        return entity.isShared;
    case Metatype:
        return entity.type;
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> RemoteEntitiesModel::roleNames() const
{
    return {{NameRole, "name"},          {OwnerIdRole, "owner_id"},   {TimestampRole, "timestamp"},
            {IdRole, "id"},              {ElementTypeRole, "is_file"}, {FavoriteRole, "is_favorite"},
            {BusyRole, "busy"},          {SizeRole, "size"},          {TypeRole, "type"},
            {SelectedRole, "selected"},  {CanConvertToPdfRole, "can_convert"}, {SharedRole, "is_shared"},
            {Metatype, "metatype"}};
}

bool RemoteEntitiesModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role < Qt::UserRole)
        return QAbstractListModel::setData(index, value, role);
    if (role != SelectedRole || !index.isValid() || index.row() >= m_entities.size())
        return false;
    FolderElementEntity &entity = m_entities[index.row()];
    if (entity.selected == value.toBool())
        return false;
    entity.selected = value.toBool();
    emit dataChanged(index, index, {SelectedRole});
    return true;
}

void RemoteEntitiesModel::clear()
{
    beginResetModel();
    m_entities.clear();
    endResetModel();
}

FolderElementEntity RemoteEntitiesModel::getEntity(int index) const
{
    qInfo() << "Index" << index;
    return m_entities.value(index);
}

QList<FolderElementEntity> RemoteEntitiesModel::getEntities(bool isFile) const
{
    QList<FolderElementEntity> result;
    for (const FolderElementEntity &entity : m_entities) {
        if (entity.isFile == isFile)
            result.append(entity);
    }
    return result;
}

void RemoteEntitiesModel::setEntitiesData(const QList<FolderElementEntity> &newFilesData)
{
    // A re-read of an unchanged listing usually comes in the same order.
    if (newFilesData == m_entities)
        return;
    const EntitySet shown(m_entities);
    QVector<bool> found(m_entities.size());
    QList<FolderElementEntity> arrived;
    // A re-read mostly follows the shown order: the row after the last one
    // found is tried before the table.
    int next = 0;
    for (const FolderElementEntity &entity : newFilesData) {
        const int row = next < m_entities.size() && m_entities.at(next) == entity ? next : shown.find(entity);
        if (row < 0) {
            arrived.append(entity);
            continue;
        }
        found[shown.firstEqual(row)] = true;
        next = row + 1;
    }
    QVector<bool> vanished(m_entities.size());
    for (int row = 0; row < m_entities.size(); ++row)
        vanished[row] = !found.at(shown.firstEqual(row));
    const bool removed = removeVanished(vanished);
    if (!arrived.isEmpty()) {
        qInfo() << "Add file" << arrived.size() << "rows";
        beginInsertRows(QModelIndex(), m_entities.size(), m_entities.size() + arrived.size() - 1);
        m_entities.append(arrived);
        endInsertRows();
    }
    if (removed || !arrived.isEmpty())
        emit structChanged();
}

bool RemoteEntitiesModel::removeVanished(const QVector<bool> &vanished)
{
    const int count = int(std::count(vanished.cbegin(), vanished.cend(), true));
    if (count == 0)
        return false;
    qInfo() << "Remove file" << count << "rows";
    // From the back, so that the rows of the runs still to go keep their numbers.
    for (int last = m_entities.size() - 1; last >= 0; --last) {
        if (!vanished.at(last))
            continue;
        int first = last;
        while (first > 0 && vanished.at(first - 1))
            --first;
        beginRemoveRows(QModelIndex(), first, last);
        m_entities.erase(m_entities.begin() + first, m_entities.begin() + last + 1);
        endRemoveRows();
        last = first;
    }
    return true;
}
