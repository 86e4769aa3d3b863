#pragma once

#include "database/userorroleentity.h"

#include <QList>
#include <QSortFilterProxyModel>

// The group picker's roles filtered by name; selection writes pass through to
// the CustomerRolesModel behind it (the inherited property "sourceModel").
class CustomerRolesSortFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit CustomerRolesSortFilterModel(QObject *parent = nullptr);

    // Ignored without a CustomerRolesModel as source.
    void setNewData(const QList<UserOrRoleEntity> &roles);
};
