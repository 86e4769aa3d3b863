#pragma once

#include "controllers/connectioncontroller.h"
#include "database/userorroleentity.h"

#include <QList>

class CustomerRolesSortFilterModel;
class GetCustomerRolesWorker;

// The group picker of the access settings dialog. Groups already in the
// access list (selectedRoles) show as selected.
class SelectGroupsController : public ConnectionController
{
    Q_OBJECT
    Q_PROPERTY(CustomerRolesSortFilterModel *groupsModel READ groupsModel NOTIFY groupsModelChanged)
    Q_PROPERTY(QList<UserOrRoleEntity> selectedRoles READ selectedRoles WRITE setSelectedRoles NOTIFY
                   selectedRolesChanged)

public:
    explicit SelectGroupsController(QObject *parent = nullptr);

    CustomerRolesSortFilterModel *groupsModel() const { return m_groupsModel; }
    QList<UserOrRoleEntity> selectedRoles() const { return m_selectedRoles; }
    void setSelectedRoles(const QList<UserOrRoleEntity> &roles);

    Q_INVOKABLE void updateRoles();
    // row of the filtered list.
    Q_INVOKABLE void reverseSelection(int row);
    // The selected groups as access list entries with access 0.
    Q_INVOKABLE QList<UserOrRoleEntity> getSelectionEntities() const;
    // The text as a pattern that matches it literally.
    Q_INVOKABLE QString escapeRegExp(const QString &text) const;

signals:
    void groupsModelChanged();
    void selectedRolesChanged();

public slots:
    void handleRoles(const QList<UserOrRoleEntity> &roles);
    void handleGetRolesWork(bool success, const QString &errorMessage);

private:
    CustomerRolesSortFilterModel *m_groupsModel;
    QList<UserOrRoleEntity> m_selectedRoles;
    GetCustomerRolesWorker *m_rolesWorker = nullptr;
};
