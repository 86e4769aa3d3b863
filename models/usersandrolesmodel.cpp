#include "usersandrolesmodel.h"

UsersAndRolesModel::UsersAndRolesModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

void UsersAndRolesModel::setNewUsers(const QList<UserOrRoleEntity> &users)
{
    setNewData(users, false);
}

void UsersAndRolesModel::setNewRoles(const QList<UserOrRoleEntity> &roles)
{
    setNewData(roles, true);
}

QList<UserOrRoleEntity> UsersAndRolesModel::currentUsers() const
{
    return currentEntities(false);
}

QList<UserOrRoleEntity> UsersAndRolesModel::currentRoles() const
{
    return currentEntities(true);
}

QList<UserOrRoleEntity> UsersAndRolesModel::currentEntities(bool isGroup) const
{
    QList<UserOrRoleEntity> entities;
    for (const UserOrRoleEntity &entity : m_entities) {
        if (entity.isGroup == isGroup)
            entities.append(entity);
    }
    return entities;
}

void UsersAndRolesModel::removeEntity(int row)
{
    if (row < 0 || row >= m_entities.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_entities.removeAt(row);
    endRemoveRows();
}

void UsersAndRolesModel::setNewData(const QList<UserOrRoleEntity> &entities, bool isGroup)
{
    for (const UserOrRoleEntity &entity : entities) {
        const int row = m_entities.indexOf(entity);
        if (row < 0) {
            beginInsertRows(QModelIndex(), m_entities.size(), m_entities.size());
            m_entities.append(entity);
            endInsertRows();
        } else if (m_entities.at(row).name.isEmpty() && !entity.name.isEmpty()) {
            m_entities[row].name = entity.name;
            emit dataChanged(index(row), index(row), {NameRole});
        }
    }
    for (int row = m_entities.size() - 1; row >= 0; --row) {
        const UserOrRoleEntity &kept = m_entities.at(row);
        if (kept.isGroup == isGroup && !entities.contains(kept))
            removeEntity(row);
    }
}

int UsersAndRolesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_entities.size();
}

QVariant UsersAndRolesModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const UserOrRoleEntity &entity = m_entities.at(index.row());
    switch (role) {
    case IdRole:
        return entity.id;
    case NameRole:
        return entity.name;
    case IsGroupRole:
        return entity.isGroup;
    case AccessRole:
        return int(entity.access);
    default:
        return QVariant();
    }
}

bool UsersAndRolesModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role < Qt::UserRole)
        return QAbstractListModel::setData(index, value, role);
    if (role != AccessRole || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    const qint16 access = qint16(value.toInt());
    UserOrRoleEntity &entity = m_entities[index.row()];
    if (entity.access == access)
        return false;
    entity.access = access;
    emit dataChanged(index, index, {AccessRole});
    return true;
}

Qt::ItemFlags UsersAndRolesModel::flags(const QModelIndex &index) const
{
    return QAbstractListModel::flags(index) | (index.isValid() ? Qt::ItemIsEditable : Qt::NoItemFlags);
}

QHash<int, QByteArray> UsersAndRolesModel::roleNames() const
{
    return {{IdRole, "id"}, {NameRole, "name"}, {IsGroupRole, "isGroup"}, {AccessRole, "access"}};
}
