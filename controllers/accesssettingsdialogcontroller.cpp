#include "accesssettingsdialogcontroller.h"

#include "database/dataaccessobject.h"
#include "editor/getdocumentlinkworker.h"
#include "models/usersandrolesmodel.h"
#include "workers/getcustomerrolesworker.h"
#include "workers/getentityshareinfoworker.h"
#include "workers/getfolderlinkworker.h"
#include "workers/getusersinfoworker.h"
#include "workers/savedocumentaccessrightsworker.h"
#include "workers/savefolderaccessrightsworker.h"

#include <QThreadPool>

AccessSettingsDialogController::AccessSettingsDialogController(QObject *parent)
    : ConnectionController(parent)
    , m_usersAndRolesModel(new UsersAndRolesModel(this))
{
    connect(this, &Controller::daoChanged, this, &AccessSettingsDialogController::connectToDao);
}

void AccessSettingsDialogController::setId(int id)
{
    if (m_id == id)
        return;
    m_id = id;
    emit idChanged();
}

void AccessSettingsDialogController::setType(EntityTypes::EntityType type)
{
    if (m_type == type)
        return;
    m_type = type;
    emit typeChanged();
}

void AccessSettingsDialogController::setUsersAndRolesModel(UsersAndRolesModel *model)
{
    // The dialog always needs a list to edit.
    if (!model || m_usersAndRolesModel == model)
        return;
    m_usersAndRolesModel = model;
    emit usersAndRolesModelChanged();
}

void AccessSettingsDialogController::setGetPropertyInProcess(bool inProcess)
{
    if (m_getPropertyInProcess == inProcess)
        return;
    m_getPropertyInProcess = inProcess;
    emit getPropertyInProcessChanged();
}

void AccessSettingsDialogController::setExternLink(const QString &link)
{
    if (m_externLink == link)
        return;
    m_externLink = link;
    emit externLinkChanged();
}

void AccessSettingsDialogController::setInternLink(const QString &link)
{
    if (m_internLink == link)
        return;
    m_internLink = link;
    emit internLinkChanged();
}

void AccessSettingsDialogController::update()
{
    if (m_usersAndRolesModel->rowCount() == 0)
        getEntityProperties();
}

void AccessSettingsDialogController::getEntityProperties()
{
    if (m_id < 0 || m_type == EntityTypes::Unknown)
        return;
    if (!m_shareInfoWorker) {
        m_shareInfoWorker = new GetEntityShareInfoWorker(this);
        connect(m_shareInfoWorker, &Worker::workFinished, this,
                &AccessSettingsDialogController::handleGetEntityProperty);
        connect(m_shareInfoWorker, &GetEntityShareInfoWorker::propertiesReady, this,
                &AccessSettingsDialogController::handleDefaultProperties);
        connect(m_shareInfoWorker, &GetEntityShareInfoWorker::linksReady, this,
                &AccessSettingsDialogController::handleLinks);
    }
    m_shareInfoWorker->getEntityShareInfo(m_id, m_type);
    setGetPropertyInProcess(true);
}

void AccessSettingsDialogController::handleDefaultProperties(const QList<UserOrRoleEntity> &users,
                                                             const QList<UserOrRoleEntity> &roles)
{
    // What the portal holds now; a reload replaces an earlier load.
    m_users.clear();
    m_roles.clear();
    QList<QVariant> unknownIds;
    for (UserOrRoleEntity user : users) {
        user.name = ownerNameById(user.id);
        if (user.name.isEmpty())
            unknownIds.append(user.id);
        m_users.append(user);
    }
    if (!m_users.isEmpty())
        m_usersAndRolesModel->setNewUsers(m_users);
    // Unknown groups stay unnamed until the roles have been read (handleRoles).
    for (UserOrRoleEntity role : roles) {
        role.name = cachedRoleName(m_dao, role.id);
        m_roles.append(role);
    }
    if (!m_roles.isEmpty())
        m_usersAndRolesModel->setNewRoles(m_roles);
    if (unknownIds.isEmpty() || !m_dao)
        return;
    if (!m_usersInfoWorker)
        m_usersInfoWorker = new GetUsersInfoWorker(m_dao, this);
    m_usersInfoWorker->loadUsersInfo(unknownIds);
}

void AccessSettingsDialogController::handleGetEntityProperty(bool success, const QString &error)
{
    setGetPropertyInProcess(false);
    if (!success)
        showErrorMessage(error);
    getRoles();
}

void AccessSettingsDialogController::getRoles()
{
    if (!m_dao)
        return;
    if (!m_rolesWorker) {
        m_rolesWorker = new GetCustomerRolesWorker(m_dao, this);
        connect(m_rolesWorker, &GetCustomerRolesWorker::rolesReady, this, &AccessSettingsDialogController::handleRoles);
    }
    m_rolesWorker->getCusotmerRoles();
}

void AccessSettingsDialogController::handleRoles(const QList<UserOrRoleEntity> &)
{
    QList<UserOrRoleEntity> roles = currentRoles();
    for (UserOrRoleEntity &role : roles) {
        if (role.name.isEmpty())
            role.name = roleById(m_dao, role.id);
    }
    m_usersAndRolesModel->setNewRoles(roles);
}

void AccessSettingsDialogController::handleUsersNames()
{
    QList<UserOrRoleEntity> users = currentUsers();
    for (UserOrRoleEntity &user : users) {
        if (user.name.isEmpty())
            user.name = ownerNameById(user.id);
    }
    m_usersAndRolesModel->setNewUsers(users);
}

void AccessSettingsDialogController::connectToDao()
{
    disconnect(m_daoConnection);
    if (m_dao)
        m_daoConnection = connect(m_dao, &DataAccessObject::usersChanged, this,
                                  &AccessSettingsDialogController::handleUsersNames);
}

void AccessSettingsDialogController::handleLinks(const QList<SharedLink> &links)
{
    for (const SharedLink &link : links) {
        if (link.lifeTime == DocumentLink::DefaultExternal)
            m_defaultExternalLink = link;
    }
    if (m_defaultExternalLink.entityId > 0)
        emit defaultExternalAccessReady();
}

void AccessSettingsDialogController::getLink(int access)
{
    const auto accessType = DocumentLink::AccessType(qint16(access));
    if (m_type == EntityTypes::Directory) {
        if (!m_folderLinkWorker) {
            m_folderLinkWorker = new GetFolderLinkWorker(this);
            connect(m_folderLinkWorker, &GetFolderLinkWorker::uriReady, this,
                    &AccessSettingsDialogController::handleLink);
            connect(m_folderLinkWorker, &Worker::workFinished, this, &AccessSettingsDialogController::handleLinkWork);
        }
        m_folderLinkWorker->getFolderLink(m_id, DocumentLink::DefaultExternal, accessType, EntityTypes::Directory);
    } else if (m_type == EntityTypes::Document) {
        if (!m_documentLinkWorker) {
            m_documentLinkWorker = new GetDocumentLinkWorker(this);
            connect(m_documentLinkWorker, &GetDocumentLinkWorker::uriReady, this,
                    [this](const QString &link, const QString &uri, const QString &uid) { handleLink(link, uri, uid); });
            connect(m_documentLinkWorker, &Worker::workFinished, this,
                    &AccessSettingsDialogController::handleLinkWork);
        }
        setConnectionInProgress(true);
        setConnectionFailed(false);
        m_documentLinkWorker->getDocumentCustomLink(m_id, DocumentLink::DefaultExternal, accessType,
                                                    EntityTypes::Document);
    }
}

void AccessSettingsDialogController::handleLink(const QString &link, const QString &uri, const QString &)
{
    setConnectionInProgress(false);
    setConnectionFailed(false);
    if (link.isEmpty())
        return;
    m_externLink = link;
    m_internLink = uri;
    emit externLinkChanged();
    emit internLinkChanged();
}

void AccessSettingsDialogController::handleLinkWork(bool success, const QString &error)
{
    // A success ends in handleLink; a failure brings no link.
    if (!success)
        showErrorMessage(error);
}

QString AccessSettingsDialogController::fileAccesString(SharedFileAccessType::SharedFileAccessTypes access) const
{
    switch (access) {
    case SharedFileAccessType::Denied:
        return tr("Denied");
    case SharedFileAccessType::ReadOnly:
        return tr("Read only");
    case SharedFileAccessType::Comment:
        return tr("Comment");
    case SharedFileAccessType::Edit:
        return tr("Edit");
    }
    return QString();
}

QString AccessSettingsDialogController::folderAccesString(SharedFolderAccessType::SharedFolderAccessTypes access) const
{
    switch (access) {
    case SharedFolderAccessType::Denied:
        return tr("Denied");
    case SharedFolderAccessType::ReadOnly:
        return tr("Read only");
    case SharedFolderAccessType::Edit:
        return tr("Edit");
    }
    return QString();
}

int AccessSettingsDialogController::accessIndex(int access) const
{
    const QList<int> choices = m_type == EntityTypes::Document
                                   ? QList<int>{SharedFileAccessType::ReadOnly, SharedFileAccessType::Comment,
                                                SharedFileAccessType::Edit, SharedFileAccessType::Denied}
                                   : QList<int>{SharedFolderAccessType::ReadOnly, SharedFolderAccessType::Edit,
                                                SharedFolderAccessType::Denied};
    return choices.indexOf(access);
}

int AccessSettingsDialogController::defaultExternalLinkAccess() const
{
    return accessIndex(m_defaultExternalLink.accessType);
}

void AccessSettingsDialogController::setUsers(const QList<UserOrRoleEntity> &users)
{
    m_usersAndRolesModel->setNewUsers(users);
}

void AccessSettingsDialogController::setRoles(const QList<UserOrRoleEntity> &roles)
{
    m_usersAndRolesModel->setNewRoles(roles);
}

void AccessSettingsDialogController::setAccess(int row, int access)
{
    m_usersAndRolesModel->setData(m_usersAndRolesModel->index(row), access, UsersAndRolesModel::AccessRole);
}

void AccessSettingsDialogController::removeEntity(int row)
{
    m_usersAndRolesModel->removeEntity(row);
}

QList<UserOrRoleEntity> AccessSettingsDialogController::currentUsers() const
{
    return m_usersAndRolesModel->currentUsers();
}

QList<UserOrRoleEntity> AccessSettingsDialogController::currentRoles() const
{
    return m_usersAndRolesModel->currentRoles();
}

QList<UserOrRoleEntity> AccessSettingsDialogController::declined(const QList<UserOrRoleEntity> &loaded,
                                                                 const QList<UserOrRoleEntity> &current)
{
    QList<UserOrRoleEntity> gone;
    for (const UserOrRoleEntity &entity : loaded) {
        if (!current.contains(entity))
            gone.append(entity);
    }
    return gone;
}

void AccessSettingsDialogController::saveAccessRights()
{
    m_savingUsers = currentUsers();
    m_savingRoles = currentRoles();
    if (m_savingUsers.isEmpty() && m_savingRoles.isEmpty() && m_users.isEmpty() && m_roles.isEmpty()) {
        // Nothing to give or take: the dialog may close.
        emit accessRightsSaved(true, QString());
        return;
    }
    const QList<UserOrRoleEntity> declinedUsers = declined(m_users, m_savingUsers);
    const QList<UserOrRoleEntity> declinedRoles = declined(m_roles, m_savingRoles);
    RunnableWorker *worker = nullptr;
    if (m_type == EntityTypes::Document)
        worker = new SaveDocumentAccessRightsWorker(m_dao, m_id, m_savingUsers, m_savingRoles, declinedUsers,
                                                    declinedRoles);
    else
        worker = new SaveFolderAccessRightsWorker(m_dao, m_id, m_savingUsers, m_savingRoles, declinedUsers,
                                                  declinedRoles);
    connect(worker, &Worker::workFinished, this, &AccessSettingsDialogController::handleShareDocumentBulk);
    setConnectionFailed(false);
    setConnectionInProgress(true);
    QThreadPool::globalInstance()->start(worker);
}

void AccessSettingsDialogController::handleShareDocumentBulk(bool success, const QString &error)
{
    setConnectionInProgress(false);
    if (success) {
        // A later save in the same dialog takes away from what the portal has now.
        m_users = m_savingUsers;
        m_roles = m_savingRoles;
    } else {
        setConnectionFailed(true);
        setErrorMessage(error);
    }
    emit accessRightsSaved(success, error);
}

QString AccessSettingsDialogController::cachedRoleName(DataAccessObject *dao, int id)
{
    return dao ? dao->retrieveRoleById(id).value(QStringLiteral("name")).toString() : QString();
}

QString AccessSettingsDialogController::roleById(DataAccessObject *dao, int id)
{
    if (!dao)
        return QString();
    const QString name = cachedRoleName(dao, id);
    return name.isEmpty() ? tr("Unnamed role") : name;
}
