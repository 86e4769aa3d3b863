#include "usersmodel.h"

UsersModel::UsersModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

void UsersModel::setNewData(const QList<UserOrRoleEntity> &users)
{
    beginResetModel();
    m_users = users;
    endResetModel();
}

void UsersModel::updateNames()
{
    beginResetModel();
    endResetModel();
}

int UsersModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_users.size();
}

QVariant UsersModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const UserOrRoleEntity &user = m_users.at(index.row());
    switch (role) {
    case IdRole:
        return user.id;
    case SelectedRole:
        return user.selected;
    default:
        return QVariant();
    }
}

bool UsersModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role < Qt::UserRole)
        return QAbstractListModel::setData(index, value, role);
    if (role != SelectedRole || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    UserOrRoleEntity &user = m_users[index.row()];
    if (user.selected == value.toBool())
        return false;
    user.selected = value.toBool();
    emit dataChanged(index, index, {SelectedRole});
    return true;
}

Qt::ItemFlags UsersModel::flags(const QModelIndex &index) const
{
    return QAbstractListModel::flags(index) | (index.isValid() ? Qt::ItemIsEditable : Qt::NoItemFlags);
}

QHash<int, QByteArray> UsersModel::roleNames() const
{
    return {{IdRole, "id"}, {SelectedRole, "selected"}};
}
