#pragma once

#include "controllers/connectioncontroller.h"
#include "database/sharedlink.h"
#include "database/userorroleentity.h"
#include "models/entitytypes.h"
#include "models/sharedfileaccesstype.h"
#include "models/sharedfolderaccesstype.h"

#include <QList>
#include <QMetaObject>
#include <QString>

class GetCustomerRolesWorker;
class GetDocumentLinkWorker;
class GetEntityShareInfoWorker;
class GetFolderLinkWorker;
class GetUsersInfoWorker;
class UsersAndRolesModel;

// The access settings dialog of a document or folder: loads who has access
// and the share links, holds the edited access list, saves it (taking away
// what was removed, then granting what is listed) and generates links.
class AccessSettingsDialogController : public ConnectionController
{
    Q_OBJECT
    Q_PROPERTY(int id READ id WRITE setId NOTIFY idChanged)
    Q_PROPERTY(EntityTypes::EntityType type READ type WRITE setType NOTIFY typeChanged)
    Q_PROPERTY(UsersAndRolesModel *usersAndRolesModel READ usersAndRolesModel WRITE setUsersAndRolesModel NOTIFY
                   usersAndRolesModelChanged)
    Q_PROPERTY(bool getPropertyInProcess READ getPropertyInProcess WRITE setGetPropertyInProcess NOTIFY
                   getPropertyInProcessChanged)
    Q_PROPERTY(QString externLink READ externLink WRITE setExternLink NOTIFY externLinkChanged)
    Q_PROPERTY(QString internLink READ internLink WRITE setInternLink NOTIFY internLinkChanged)

public:
    explicit AccessSettingsDialogController(QObject *parent = nullptr);

    int id() const { return m_id; }
    void setId(int id);
    EntityTypes::EntityType type() const { return m_type; }
    void setType(EntityTypes::EntityType type);
    UsersAndRolesModel *usersAndRolesModel() const { return m_usersAndRolesModel; }
    void setUsersAndRolesModel(UsersAndRolesModel *model);
    bool getPropertyInProcess() const { return m_getPropertyInProcess; }
    void setGetPropertyInProcess(bool inProcess);
    QString externLink() const { return m_externLink; }
    void setExternLink(const QString &link);
    QString internLink() const { return m_internLink; }
    void setInternLink(const QString &link);

    // Loads the access list unless the list already has rows.
    Q_INVOKABLE void update();
    // A link with lifetime 10 and this access level (16 bits).
    Q_INVOKABLE void getLink(int access);
    Q_INVOKABLE QString fileAccesString(SharedFileAccessType::SharedFileAccessTypes access) const;
    Q_INVOKABLE QString folderAccesString(SharedFolderAccessType::SharedFolderAccessTypes access) const;
    // Position of a level in the page's choice list; -1 for a level it does not offer.
    Q_INVOKABLE int accessIndex(int access) const;
    Q_INVOKABLE int defaultExternalLinkAccess() const;
    Q_INVOKABLE void setUsers(const QList<UserOrRoleEntity> &users);
    Q_INVOKABLE void setRoles(const QList<UserOrRoleEntity> &roles);
    Q_INVOKABLE void setAccess(int row, int access);
    Q_INVOKABLE void removeEntity(int row);
    Q_INVOKABLE QList<UserOrRoleEntity> currentUsers() const;
    Q_INVOKABLE QList<UserOrRoleEntity> currentRoles() const;
    // Busy until the portal has the new list; the end comes as accessRightsSaved.
    Q_INVOKABLE void saveAccessRights();

signals:
    void idChanged();
    void typeChanged();
    void usersAndRolesModelChanged();
    void getPropertyInProcessChanged();
    void externLinkChanged();
    void internLinkChanged();
    // The external link's access level is known (defaultExternalLinkAccess).
    void defaultExternalAccessReady();
    // A save ended: the page closes, or shows the message.
    void accessRightsSaved(bool success, const QString &message);

public slots:
    void handleShareDocumentBulk(bool success, const QString &error);
    void handleGetEntityProperty(bool success, const QString &error);
    void handleDefaultProperties(const QList<UserOrRoleEntity> &users, const QList<UserOrRoleEntity> &roles);
    void handleLinks(const QList<SharedLink> &links);
    void handleRoles(const QList<UserOrRoleEntity> &roles);
    void handleLink(const QString &link, const QString &uri, const QString &uid);
    void getRoles();
    void connectToDao();
    void handleUsersNames();

private slots:
    void handleLinkWork(bool success, const QString &error);

private:
    void getEntityProperties();
    // The group's cached name; empty when the cache has none.
    static QString cachedRoleName(DataAccessObject *dao, int id);
    // The same, "Unnamed role" when the cache has none.
    static QString roleById(DataAccessObject *dao, int id);
    // The loaded entries that the edited list no longer holds.
    static QList<UserOrRoleEntity> declined(const QList<UserOrRoleEntity> &loaded,
                                            const QList<UserOrRoleEntity> &current);

    int m_id = -1;
    EntityTypes::EntityType m_type = EntityTypes::Unknown;
    UsersAndRolesModel *m_usersAndRolesModel;
    bool m_getPropertyInProcess = false;
    QString m_externLink;
    QString m_internLink;
    GetDocumentLinkWorker *m_documentLinkWorker = nullptr;
    GetFolderLinkWorker *m_folderLinkWorker = nullptr;
    GetEntityShareInfoWorker *m_shareInfoWorker = nullptr;
    GetCustomerRolesWorker *m_rolesWorker = nullptr;
    QList<UserOrRoleEntity> m_users;
    QList<UserOrRoleEntity> m_roles;
    SharedLink m_defaultExternalLink;
    GetUsersInfoWorker *m_usersInfoWorker = nullptr;
    // The list a running save gives the portal; loaded once it succeeded.
    QList<UserOrRoleEntity> m_savingUsers;
    QList<UserOrRoleEntity> m_savingRoles;
    QMetaObject::Connection m_daoConnection;
};
