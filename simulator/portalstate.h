#pragma once

#include "simulator/filestore.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>

// The root sections as the portal types its folders.
namespace FolderType {
constexpr int Default = 0;
constexpr int Public = 1;
constexpr int Common = 4;
constexpr int SharedAccess = 8;
constexpr int MyDocuments = 16;
constexpr int Virtual = 256;
constexpr int Favorite = 512;
constexpr int LastDocuments = 2048;
constexpr int Trash = 134217728;
} // namespace FolderType

// Entity types as the sharing and link endpoints name and number them.
namespace EntityKind {
constexpr int Document = 2;
constexpr int Directory = 3;
} // namespace EntityKind

struct UserRecord
{
    int id = 0;
    QString login;
    QString password;
    QString email;
    QString name;
    QString firstName;
    QString surname;
    QString middleName;
    QString company;
    int contactId = 0;
    int type = 0;
};

struct RoleRecord
{
    int id = 0;
    QString name;
    int type = 0;
    QList<int> memberIds;
};

struct FolderRecord
{
    int id = 0;
    int parentId = 0;
    int ownerId = 0;
    QString name;
    QString description;
    int type = FolderType::Default;
    int order = 100;
    QDateTime created;
    QDateTime modified;
    QSet<int> favoriteOf;
};

struct DocumentRecord
{
    int id = 0;
    int fileId = 0;
    int offlineFileId = 0;   // the PDF made by a conversion
    int directoryId = 0;
    int ownerId = 0;
    QString name;
    QString description;
    QString mimeType;
    QDateTime created;
    QDateTime modified;
    QDateTime lastUsed;
    QSet<int> favoriteOf;
};

struct AccessRight
{
    int principalId = 0;
    int access = 0;
};

struct LinkRecord
{
    QString uid;
    int entityId = 0;
    int entityType = 0;
    int lifeTime = 0;
    int accessType = 0;
    int ownerId = 0;
    QDateTime created;
};

struct ShareRecord
{
    QList<AccessRight> users;
    QList<AccessRight> roles;
    QList<LinkRecord> links;
    bool isEmpty() const { return users.isEmpty() && roles.isEmpty() && links.isEmpty(); }
};

// Every entity of the portal with the rules that tie them together. Not
// thread-safe: the server serialises the handlers that touch it.
class PortalState
{
public:
    explicit PortalState(FileStore *files);

    void clear();
    FileStore *files() const { return m_files; }

    // Ids come from one sequence for folders and documents, so no folder and
    // document ever share one.
    int nextEntityId();
    void reserveEntityId(int id);

    QMap<int, UserRecord> users;
    QMap<int, RoleRecord> roles;
    QMap<int, FolderRecord> folders;
    QMap<int, DocumentRecord> documents;
    QMap<QPair<int, int>, ShareRecord> shares;   // (entity type, id)
    int commonRootId = 0;

    const UserRecord *userByLogin(const QString &login) const;
    int addUser(UserRecord user);
    // The root folder of a section for a user (the shared Common root for
    // Common), 0 when missing.
    int rootFolder(int userId, int type) const;
    void ensureRootFolders(int userId);

    // Section of the root above a folder (its own type for a root).
    int sectionOf(int folderId) const;
    bool isInTrash(int folderId) const;
    bool isAncestor(int ancestorId, int folderId) const;
    QList<int> childFolders(int folderId) const;
    QList<int> childDocuments(int folderId) const;
    // Every folder below a folder, depth first; the folder itself excluded.
    QList<int> descendantFolders(int folderId) const;

    // A folder that holds its own content (not a virtual section root) and
    // accepts new entries from the user: My documents or Common, not Trash.
    bool acceptsContent(int userId, int folderId) const;
    bool isRoot(int folderId) const { return folders.contains(folderId) && folders[folderId].parentId == 0; }

    bool canRead(int userId, int entityType, int id) const;
    bool canWrite(int userId, int entityType, int id) const;
    int accessOf(int userId, int entityType, int id) const;  // -1: none
    bool isShared(int entityType, int id) const;

    // A name that no sibling of the kind uses yet: "name (1).ext", ...
    QString freeDocumentName(int folderId, const QString &name, int ignoreId = 0) const;
    QString freeFolderName(int parentId, const QString &name, int ignoreId = 0) const;
    int folderNamed(int parentId, const QString &name, int ignoreId = 0) const;
    int documentNamed(int folderId, const QString &name, int ignoreId = 0) const;

    int createFolder(int parentId, const QString &name, int ownerId, int type);
    int createDocument(int folderId, const QString &name, int ownerId, const QByteArray &bytes);
    int copyDocument(int documentId, int folderId, int ownerId);
    int copyFolderTree(int folderId, int parentId, const QString &name, int ownerId);
    void deleteDocument(int documentId);
    void deleteFolderTree(int folderId);
    void touch(int documentId);

private:
    FileStore *m_files;
    int m_lastId = 0;
};
