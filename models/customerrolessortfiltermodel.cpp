#include "customerrolessortfiltermodel.h"

#include "models/customerrolesmodel.h"

CustomerRolesSortFilterModel::CustomerRolesSortFilterModel(QObject *parent)
    : QSortFilterProxyModel(parent)
{
    setFilterRole(CustomerRolesModel::NameRole);
}

void CustomerRolesSortFilterModel::setNewData(const QList<UserOrRoleEntity> &roles)
{
    if (auto *roleModel = qobject_cast<CustomerRolesModel *>(sourceModel()))
        roleModel->setNewData(roles);
}
