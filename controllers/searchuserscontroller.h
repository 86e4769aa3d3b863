#pragma once

#include "controllers/connectioncontroller.h"
#include "database/userorroleentity.h"

#include <QList>
#include <QMetaObject>

class GetUsersInfoWorker;
class SearchUsersWorker;
class UsersModel;

// The user search of the access settings dialog. Users already in the access
// list (selectedUsers) show as selected among the results.
class SearchUsersController : public ConnectionController
{
    Q_OBJECT
    Q_PROPERTY(UsersModel *usersModel READ usersModel NOTIFY usersModelChanged)
    Q_PROPERTY(QList<UserOrRoleEntity> selectedUsers READ selectedUsers WRITE setSelectedUsers NOTIFY
                   selectedUsersChanged)

public:
    explicit SearchUsersController(QObject *parent = nullptr);

    UsersModel *usersModel() const { return m_usersModel; }
    QList<UserOrRoleEntity> selectedUsers() const { return m_selectedUsers; }
    void setSelectedUsers(const QList<UserOrRoleEntity> &users);

    Q_INVOKABLE void performSearch(const QString &text);
    Q_INVOKABLE void reverseSelection(int row);
    Q_INVOKABLE QList<int> getSelectionIndexes() const;
    // The selected users as access list entries with access 0.
    Q_INVOKABLE QList<UserOrRoleEntity> getSelectionEntities() const;

signals:
    void usersModelChanged();
    void selectedUsersChanged();

public slots:
    void handleSearchWork(bool success, const QString &errorMessage = QString());
    void handleNewSearchResult(const QList<int> &usersIds);
    void updateUsers();
    void connectToDao();

private:
    UsersModel *m_usersModel;
    QList<UserOrRoleEntity> m_selectedUsers;
    SearchUsersWorker *m_searchWorker = nullptr;
    GetUsersInfoWorker *m_usersInfoWorker = nullptr;
    QMetaObject::Connection m_daoConnection;
};
