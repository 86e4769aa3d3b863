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

// The access settings dialog of a document or folder: who has access and at
// which level, the edits of the page, saving them, and the share links.
// Levels are the dialog's own (SharedFileAccessType, SharedFolderAccessType);
// the portal's are converted at the edge.
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

    // Loads the access list unless the page already holds one.
    Q_INVOKABLE void update();
    Q_INVOKABLE void getLink(int access);
    Q_INVOKABLE QString fileAccesString(SharedFileAccessType::SharedFileAccessTypes access) const;
    Q_INVOKABLE QString folderAccesString(SharedFolderAccessType::SharedFolderAccessTypes access) const;
    // Position of a level in the page's choice list; -1 for a level the list lacks.
    Q_INVOKABLE int accessIndex(int access) const;
    Q_INVOKABLE int defaultExternalLinkAccess() const;
    Q_INVOKABLE void setUsers(const QList<UserOrRoleEntity> &users);
    Q_INVOKABLE void setRoles(const QList<UserOrRoleEntity> &roles);
    Q_INVOKABLE void setAccess(int row, int access);
    Q_INVOKABLE void removeEntity(int row);
    Q_INVOKABLE QList<UserOrRoleEntity> currentUsers() const;
    Q_INVOKABLE QList<UserOrRoleEntity> currentRoles() const;
    // Takes access from those removed since loading and gives the list its levels.
    Q_INVOKABLE void saveAccessRights();

signals:
    void idChanged();
    void typeChanged();
    void usersAndRolesModelChanged();
    void getPropertyInProcessChanged();
    void externLinkChanged();
    void internLinkChanged();
    void defaultExternalAccessReady();
    // A save has ended; on failure message says why.
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
    QString cachedRoleName(int id) const;
    QString roleById(int id) const;

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
    // Who had access when the list was loaded, or last saved.
    QList<UserOrRoleEntity> m_users;
    QList<UserOrRoleEntity> m_roles;
    SharedLink m_defaultExternalLink;
    GetUsersInfoWorker *m_usersInfoWorker = nullptr;
    QMetaObject::Connection m_daoConnection;
};
