#pragma once

#include "database/userorroleentity.h"

#include <QAbstractListModel>
#include <QList>

// The edited access list of the access settings dialog: users and groups
// (identity: id and isGroup) with their access levels.
class UsersAndRolesModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum UsersAndRolesRoles { IdRole = Qt::UserRole + 1, NameRole, IsGroupRole, AccessRole };
    Q_ENUM(UsersAndRolesRoles)

    explicit UsersAndRolesModel(QObject *parent = nullptr);

    // Makes the users (or groups) of the list exactly these, merging without a reset.
    void setNewUsers(const QList<UserOrRoleEntity> &users);
    void setNewRoles(const QList<UserOrRoleEntity> &roles);
    QList<UserOrRoleEntity> currentUsers() const;
    QList<UserOrRoleEntity> currentRoles() const;
    QList<UserOrRoleEntity> currentEntities(bool isGroup) const;
    void removeEntity(int row);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // Only AccessRole is writable.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    // Rows already present keep their fields; only a name that was still
    // empty is filled in.
    void setNewData(const QList<UserOrRoleEntity> &entities, bool isGroup);

    QList<UserOrRoleEntity> m_entities;
};
