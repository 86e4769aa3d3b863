#include "searchuserscontroller.h"

#include "database/dataaccessobject.h"
#include "models/usersmodel.h"
#include "workers/getusersinfoworker.h"
#include "workers/searchusersworker.h"

SearchUsersController::SearchUsersController(QObject *parent)
    : ConnectionController(parent)
    , m_usersModel(new UsersModel(this))
{
    connect(this, &Controller::daoChanged, this, &SearchUsersController::connectToDao);
}

void SearchUsersController::setSelectedUsers(const QList<UserOrRoleEntity> &users)
{
    m_selectedUsers = users;
    emit selectedUsersChanged();
}

void SearchUsersController::performSearch(const QString &text)
{
    if (!m_searchWorker) {
        m_searchWorker = new SearchUsersWorker(this);
        connect(m_searchWorker, &Worker::workFinished, this, &SearchUsersController::handleSearchWork);
        connect(m_searchWorker, &SearchUsersWorker::searchResult, this,
                &SearchUsersController::handleNewSearchResult);
    }
    setConnectionInProgress(true);
    setConnectionFailed(false);
    m_searchWorker->searchUsers(text);
}

void SearchUsersController::reverseSelection(int row)
{
    const QModelIndex index = m_usersModel->index(row);
    if (index.isValid())
        m_usersModel->setData(index, !index.data(UsersModel::SelectedRole).toBool(), UsersModel::SelectedRole);
}

QList<int> SearchUsersController::getSelectionIndexes() const
{
    QList<int> ids;
    for (int row = 0; row < m_usersModel->rowCount(); ++row) {
        const QModelIndex index = m_usersModel->index(row);
        if (index.data(UsersModel::SelectedRole).toBool())
            ids.append(index.data(UsersModel::IdRole).toInt());
    }
    return ids;
}

QList<UserOrRoleEntity> SearchUsersController::getSelectionEntities() const
{
    QList<UserOrRoleEntity> users;
    for (int id : getSelectionIndexes())
        users.append({id, 0, false, false, ownerNameById(id)});
    return users;
}

void SearchUsersController::handleSearchWork(bool success, const QString &errorMessage)
{
    setConnectionInProgress(false);
    if (!success) {
        setConnectionFailed(true);
        setErrorMessage(errorMessage);
    }
}

void SearchUsersController::handleNewSearchResult(const QList<int> &usersIds)
{
    QList<UserOrRoleEntity> users;
    QList<QVariant> ids;
    for (int id : usersIds) {
        UserOrRoleEntity user{id, -1, false, false, QString()};
        user.selected = m_selectedUsers.contains(user);
        users.append(user);
        ids.append(id);
    }
    m_usersModel->setNewData(users);
    if (ids.isEmpty() || !m_dao)
        return;
    if (!m_usersInfoWorker)
        m_usersInfoWorker = new GetUsersInfoWorker(m_dao, this);
    m_usersInfoWorker->loadUsersInfo(ids);
}

void SearchUsersController::updateUsers()
{
    m_usersModel->updateNames();
}

void SearchUsersController::connectToDao()
{
    disconnect(m_daoConnection);
    if (m_dao)
        m_daoConnection = connect(m_dao, &DataAccessObject::usersChanged, this, &SearchUsersController::updateUsers);
}
