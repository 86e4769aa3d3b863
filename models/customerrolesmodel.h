#pragma once

#include "database/userorroleentity.h"

#include <QAbstractListModel>
#include <QList>

// The customer's roles (user groups) of the group picker.
class CustomerRolesModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum GroupRoles { IdRole = Qt::UserRole + 1, NameRole, SelectedRole };
    Q_ENUM(GroupRoles)

    explicit CustomerRolesModel(QObject *parent = nullptr);

    void setNewData(const QList<UserOrRoleEntity> &roles);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // Only SelectedRole is writable.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    QList<UserOrRoleEntity> m_roles;
};
