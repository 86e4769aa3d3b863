#include "customerrolesmodel.h"

CustomerRolesModel::CustomerRolesModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

void CustomerRolesModel::setNewData(const QList<UserOrRoleEntity> &roles)
{
    beginResetModel();
    m_roles = roles;
    endResetModel();
}

int CustomerRolesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_roles.size();
}

QVariant CustomerRolesModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const UserOrRoleEntity &group = m_roles.at(index.row());
    switch (role) {
    case IdRole:
        return group.id;
    case NameRole:
        return group.name;
    case SelectedRole:
        return group.selected;
    default:
        return QVariant();
    }
}

bool CustomerRolesModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role < Qt::UserRole)
        return QAbstractListModel::setData(index, value, role);
    if (role != SelectedRole || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    UserOrRoleEntity &group = m_roles[index.row()];
    if (group.selected == value.toBool())
        return false;
    group.selected = value.toBool();
    // Announced here, so that any view or proxy in front of the model sees it.
    emit dataChanged(index, index, {SelectedRole});
    return true;
}

Qt::ItemFlags CustomerRolesModel::flags(const QModelIndex &index) const
{
    return QAbstractListModel::flags(index) | (index.isValid() ? Qt::ItemIsEditable : Qt::NoItemFlags);
}

QHash<int, QByteArray> CustomerRolesModel::roleNames() const
{
    return {{IdRole, "id"}, {NameRole, "name"}, {SelectedRole, "selected"}};
}
