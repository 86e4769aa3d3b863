#pragma once

#include "database/userorroleentity.h"

#include <QAbstractListModel>
#include <QList>

// Users found by the user search; their names come from the cache
// (Controller::ownerNameById), so a reset tells the page to read them again.
class UsersModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum EntityRoles { IdRole = Qt::UserRole + 1, SelectedRole };
    Q_ENUM(EntityRoles)

    explicit UsersModel(QObject *parent = nullptr);

    void setNewData(const QList<UserOrRoleEntity> &users);
    // The rows stay; the page reads them again.
    void updateNames();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // Only SelectedRole is writable.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    QList<UserOrRoleEntity> m_users;
};
