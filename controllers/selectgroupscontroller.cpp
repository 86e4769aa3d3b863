#include "selectgroupscontroller.h"

#include "models/customerrolesmodel.h"
#include "models/customerrolessortfiltermodel.h"
#include "models/regexptext.h"
#include "workers/getcustomerrolesworker.h"

#include <QDebug>

SelectGroupsController::SelectGroupsController(QObject *parent)
    : ConnectionController(parent)
    , m_groupsModel(new CustomerRolesSortFilterModel(this))
{
    m_groupsModel->setSourceModel(new CustomerRolesModel(m_groupsModel));
}

void SelectGroupsController::setSelectedRoles(const QList<UserOrRoleEntity> &roles)
{
    m_selectedRoles = roles;
    emit selectedRolesChanged();
}

void SelectGroupsController::updateRoles()
{
    // The roles go into the cache as they arrive.
    if (!m_dao) {
        qWarning() << "Roles requested without a cache";
        return;
    }
    if (!m_rolesWorker) {
        m_rolesWorker = new GetCustomerRolesWorker(m_dao, this);
        connect(m_rolesWorker, &Worker::workFinished, this, &SelectGroupsController::handleGetRolesWork);
        connect(m_rolesWorker, &GetCustomerRolesWorker::rolesReady, this, &SelectGroupsController::handleRoles);
    }
    setConnectionFailed(false);
    setConnectionInProgress(true);
    m_rolesWorker->getCusotmerRoles();
}

void SelectGroupsController::reverseSelection(int row)
{
    const QModelIndex index = m_groupsModel->index(row, 0);
    if (index.isValid())
        m_groupsModel->setData(index, !index.data(CustomerRolesModel::SelectedRole).toBool(),
                               CustomerRolesModel::SelectedRole);
}

QList<UserOrRoleEntity> SelectGroupsController::getSelectionEntities() const
{
    QList<UserOrRoleEntity> roles;
    for (int row = 0; row < m_groupsModel->rowCount(); ++row) {
        const QModelIndex index = m_groupsModel->index(row, 0);
        if (index.data(CustomerRolesModel::SelectedRole).toBool())
            roles.append({index.data(CustomerRolesModel::IdRole).toInt(), 0, false, true,
                          index.data(CustomerRolesModel::NameRole).toString()});
    }
    return roles;
}

QString SelectGroupsController::escapeRegExp(const QString &text) const
{
    return RegExpText::escape(text);
}

void SelectGroupsController::handleRoles(const QList<UserOrRoleEntity> &roles)
{
    QList<UserOrRoleEntity> shown = roles;
    for (UserOrRoleEntity &role : shown)
        role.selected = m_selectedRoles.contains(role);
    m_groupsModel->setNewData(shown);
}

void SelectGroupsController::handleGetRolesWork(bool success, const QString &errorMessage)
{
    setConnectionFailed(false);
    setConnectionInProgress(false);
    if (!success)
        setErrorMessage(errorMessage);
}
