#include "accesssettingsdialogcontroller.h"

#include "database/dataaccessobject.h"
#include "editor/getdocumentlinkworker.h"
#include "models/shareaccesslevel.h"
#include "models/usersandrolesmodel.h"
#include "workers/getcustomerrolesworker.h"
#include "workers/getentityshareinfoworker.h"
#include "workers/getfolderlinkworker.h"
#include "workers/getusersinfoworker.h"
#include "workers/savedocumentaccessrightsworker.h"
#include "workers/savefolderaccessrightsworker.h"

#include <QDebug>
#include <QThreadPool>

namespace {

QList<UserOrRoleEntity> without(const QList<UserOrRoleEntity> &entities, const QList<UserOrRoleEntity> &kept)
{
    QList<UserOrRoleEntity> removed;
    for (const UserOrRoleEntity &entity : entities) {
        if (!kept.contains(entity))
            removed.append(entity);
    }
    return removed;
}

} // namespace

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
    if (!model) {
        qWarning() << "The access list needs a model; the current one stays";
        return;
    }
    if (m_usersAndRolesModel == model)
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

void AccessSettingsDialogController::handleGetEntityProperty(bool success, const QString &error)
{
    setGetPropertyInProcess(false);
    // An access list that did not load must not pass for an empty one.
    if (!success)
        showErrorMessage(error);
    getRoles();
}

void AccessSettingsDialogController::handleDefaultProperties(const QList<UserOrRoleEntity> &users,
                                                             const QList<UserOrRoleEntity> &roles)
{
    m_users.clear();
    m_roles.clear();
    QList<QVariant> unnamed;
    for (UserOrRoleEntity user : users) {
        user.access = ShareAccessLevel::fromPortal(user.access);
        user.name = ownerNameById(user.id);
        if (user.name.isEmpty())
            unnamed.append(user.id);
        m_users.append(user);
    }
    if (!m_users.isEmpty())
        m_usersAndRolesModel->setNewUsers(m_users);
    for (UserOrRoleEntity role : roles) {
        role.access = ShareAccessLevel::fromPortal(role.access);
        // Empty until the roles reach the cache; handleRoles names it then.
        role.name = cachedRoleName(role.id);
        m_roles.append(role);
    }
    if (!m_roles.isEmpty())
        m_usersAndRolesModel->setNewRoles(m_roles);
    if (unnamed.isEmpty() || !m_dao)
        return;
    if (!m_usersInfoWorker)
        m_usersInfoWorker = new GetUsersInfoWorker(m_dao, this);
    m_usersInfoWorker->loadUsersInfo(unnamed);
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

void AccessSettingsDialogController::getRoles()
{
    if (!m_dao)
        return;
    if (!m_rolesWorker) {
        m_rolesWorker = new GetCustomerRolesWorker(m_dao, this);
        connect(m_rolesWorker, &GetCustomerRolesWorker::rolesReady, this,
                &AccessSettingsDialogController::handleRoles);
        // Without the roles, groups still unnamed are named as unknown ones.
        connect(m_rolesWorker, &Worker::workFinished, this, [this](bool success) {
            if (!success)
                handleRoles({});
        });
    }
    m_rolesWorker->getCusotmerRoles();
}

void AccessSettingsDialogController::handleRoles(const QList<UserOrRoleEntity> &)
{
    QList<UserOrRoleEntity> roles = currentRoles();
    for (UserOrRoleEntity &role : roles) {
        if (role.name.isEmpty())
            role.name = roleById(role.id);
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
        m_daoConnection =
            connect(m_dao, &DataAccessObject::usersChanged, this, &AccessSettingsDialogController::handleUsersNames);
}

QString AccessSettingsDialogController::cachedRoleName(int id) const
{
    return m_dao ? m_dao->retrieveRoleById(id).value(QStringLiteral("name")).toString() : QString();
}

QString AccessSettingsDialogController::roleById(int id) const
{
    if (!m_dao)
        return QString();
    const QString name = cachedRoleName(id);
    return name.isEmpty() ? tr("Unnamed role") : name;
}

void AccessSettingsDialogController::getLink(int access)
{
    const auto portalAccess = DocumentLink::AccessType(ShareAccessLevel::toPortal(qint16(access)));
    // Both kinds of link show their progress and their failure alike.
    if (m_type == EntityTypes::Directory) {
        if (!m_folderLinkWorker) {
            m_folderLinkWorker = new GetFolderLinkWorker(this);
            connect(m_folderLinkWorker, &GetFolderLinkWorker::uriReady, this,
                    &AccessSettingsDialogController::handleLink);
            connect(m_folderLinkWorker, &Worker::workFinished, this, &AccessSettingsDialogController::handleLinkWork);
        }
        setConnectionInProgress(true);
        setConnectionFailed(false);
        m_folderLinkWorker->getFolderLink(m_id, DocumentLink::DefaultExternal, portalAccess, EntityTypes::Directory);
    } else if (m_type == EntityTypes::Document) {
        if (!m_documentLinkWorker) {
            m_documentLinkWorker = new GetDocumentLinkWorker(this);
            connect(m_documentLinkWorker, &GetDocumentLinkWorker::uriReady, this,
                    &AccessSettingsDialogController::handleLink);
            connect(m_documentLinkWorker, &Worker::workFinished, this, &AccessSettingsDialogController::handleLinkWork);
        }
        setConnectionInProgress(true);
        setConnectionFailed(false);
        m_documentLinkWorker->getDocumentCustomLink(m_id, DocumentLink::DefaultExternal, portalAccess,
                                                    EntityTypes::Document);
    }
}

void AccessSettingsDialogController::handleLinkWork(bool success, const QString &error)
{
    if (!success)
        showErrorMessage(error);
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
    // The page lists a document's levels as Read only, Comment, Edit, Denied
    // and a folder's as Read only, Edit, Denied.
    static const QList<int> documentLevels{SharedFileAccessType::ReadOnly, SharedFileAccessType::Comment,
                                           SharedFileAccessType::Edit, SharedFileAccessType::Denied};
    static const QList<int> folderLevels{SharedFolderAccessType::ReadOnly, SharedFolderAccessType::Edit,
                                         SharedFolderAccessType::Denied};
    return (m_type == EntityTypes::Document ? documentLevels : folderLevels).indexOf(access);
}

int AccessSettingsDialogController::defaultExternalLinkAccess() const
{
    return accessIndex(ShareAccessLevel::fromPortal(m_defaultExternalLink.accessType));
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
    const QModelIndex index = m_usersAndRolesModel->index(row);
    if (index.isValid())
        m_usersAndRolesModel->setData(index, access, UsersAndRolesModel::AccessRole);
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

void AccessSettingsDialogController::saveAccessRights()
{
    const QList<UserOrRoleEntity> users = currentUsers();
    const QList<UserOrRoleEntity> roles = currentRoles();
    if (users.isEmpty() && roles.isEmpty() && m_users.isEmpty() && m_roles.isEmpty()) {
        // Nothing to send: the page may close all the same.
        emit accessRightsSaved(true, QString());
        return;
    }
    if (!m_dao) {
        qWarning() << "Access rights saved without a cache";
        const QString message = tr("Access rights cannot be saved");
        showErrorMessage(message);
        emit accessRightsSaved(false, message);
        return;
    }
    using namespace ShareAccessLevel;
    const QList<UserOrRoleEntity> declinedUsers = toPortal(without(m_users, users));
    const QList<UserOrRoleEntity> declinedRoles = toPortal(without(m_roles, roles));
    SaveAccessRightsWorker *worker;
    if (m_type == EntityTypes::Document)
        worker = new SaveDocumentAccessRightsWorker(m_dao, m_id, toPortal(users), toPortal(roles), declinedUsers,
                                                    declinedRoles);
    else
        worker = new SaveFolderAccessRightsWorker(m_dao, m_id, toPortal(users), toPortal(roles), declinedUsers,
                                                  declinedRoles);
    connect(worker, &Worker::workFinished, this, [this, users, roles](bool success, const QString &error) {
        // What was saved is what a later save compares with.
        if (success) {
            m_users = users;
            m_roles = roles;
        }
        handleShareDocumentBulk(success, error);
    });
    setConnectionInProgress(true);
    setConnectionFailed(false);
    QThreadPool::globalInstance()->start(worker);
}

void AccessSettingsDialogController::handleShareDocumentBulk(bool success, const QString &error)
{
    setConnectionInProgress(false);
    if (!success) {
        setConnectionFailed(true);
        setErrorMessage(error);
    }
    emit accessRightsSaved(success, error);
}
