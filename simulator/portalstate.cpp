#include "simulator/portalstate.h"

#include "simulator/democontent.h"

#include <QFileInfo>

namespace {
constexpr int s_fullAccess = 9;
constexpr int s_writeAccess = 5;
constexpr int s_readAccess = 1;

// "report.docx" -> ("report", ".docx"); a leading dot is part of the base.
QPair<QString, QString> splitExtension(const QString &name)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0)
        return {name, QString()};
    return {name.left(dot), name.mid(dot)};
}
} // namespace

PortalState::PortalState(FileStore *files) : m_files(files) {}

void PortalState::clear()
{
    users.clear();
    roles.clear();
    folders.clear();
    documents.clear();
    shares.clear();
    commonRootId = 0;
    m_lastId = 0;
    m_files->clear();
}

int PortalState::nextEntityId()
{
    return ++m_lastId;
}

void PortalState::reserveEntityId(int id)
{
    m_lastId = qMax(m_lastId, id);
}

const UserRecord *PortalState::userByLogin(const QString &login) const
{
    for (const UserRecord &user : users) {
        if (user.login.compare(login, Qt::CaseInsensitive) == 0 || user.email.compare(login, Qt::CaseInsensitive) == 0)
            return &user;
    }
    return nullptr;
}

int PortalState::addUser(UserRecord user)
{
    if (user.id <= 0) {
        user.id = users.isEmpty() ? 1 : users.lastKey() + 1;
    }
    if (user.contactId == 0)
        user.contactId = 5000 + user.id;
    users.insert(user.id, user);
    ensureRootFolders(user.id);
    return user.id;
}

int PortalState::rootFolder(int userId, int type) const
{
    if (type == FolderType::Common)
        return commonRootId;
    for (const FolderRecord &folder : folders) {
        if (folder.parentId == 0 && folder.type == type && folder.ownerId == userId)
            return folder.id;
    }
    return 0;
}

void PortalState::ensureRootFolders(int userId)
{
    static const QList<QPair<int, QString>> roots{
        {FolderType::MyDocuments, QStringLiteral("Мои документы")},
        {FolderType::Virtual, QStringLiteral("Доступно для меня")},
        {FolderType::Favorite, QStringLiteral("Избранное")},
        {FolderType::LastDocuments, QStringLiteral("Последние документы")},
        {FolderType::SharedAccess, QStringLiteral("Совместный доступ")},
        {FolderType::Trash, QStringLiteral("Корзина")}};
    for (const auto &root : roots) {
        if (rootFolder(userId, root.first) == 0)
            createFolder(0, root.second, userId, root.first);
    }
}

int PortalState::sectionOf(int folderId) const
{
    int current = folderId;
    for (int guard = 0; guard < 10000 && folders.contains(current); ++guard) {
        const FolderRecord &folder = folders[current];
        if (folder.parentId == 0)
            return folder.type;
        current = folder.parentId;
    }
    return FolderType::Default;
}

bool PortalState::isInTrash(int folderId) const
{
    return sectionOf(folderId) == FolderType::Trash;
}

bool PortalState::isAncestor(int ancestorId, int folderId) const
{
    int current = folderId;
    for (int guard = 0; guard < 10000 && folders.contains(current); ++guard) {
        if (current == ancestorId)
            return true;
        current = folders[current].parentId;
    }
    return false;
}

QList<int> PortalState::childFolders(int folderId) const
{
    QList<int> ids;
    for (const FolderRecord &folder : folders) {
        if (folder.parentId == folderId)
            ids.append(folder.id);
    }
    return ids;
}

QList<int> PortalState::childDocuments(int folderId) const
{
    QList<int> ids;
    for (const DocumentRecord &document : documents) {
        if (document.directoryId == folderId)
            ids.append(document.id);
    }
    return ids;
}

QList<int> PortalState::descendantFolders(int folderId) const
{
    QList<int> result;
    for (int child : childFolders(folderId)) {
        result.append(child);
        result.append(descendantFolders(child));
    }
    return result;
}

int PortalState::accessOf(int userId, int entityType, int id) const
{
    int folderId = 0;
    int ownerId = 0;
    if (entityType == EntityKind::Document) {
        if (!documents.contains(id))
            return -1;
        ownerId = documents[id].ownerId;
        folderId = documents[id].directoryId;
    } else {
        if (!folders.contains(id))
            return -1;
        ownerId = folders[id].ownerId;
        folderId = id;
    }
    if (ownerId == userId)
        return s_fullAccess;
    if (sectionOf(folderId) == FolderType::Common)
        return s_writeAccess;

    QSet<int> principalRoles;
    for (const RoleRecord &role : roles) {
        if (role.memberIds.contains(userId))
            principalRoles.insert(role.id);
    }
    // The nearest grant wins: the entity's own, then each folder above it.
    const auto grantOf = [&](const ShareRecord &share) {
        int level = -1;
        for (const AccessRight &right : share.users) {
            if (right.principalId == userId)
                return right.access;
        }
        for (const AccessRight &right : share.roles) {
            if (principalRoles.contains(right.principalId))
                level = qMax(level, right.access);
        }
        return level;
    };
    if (entityType == EntityKind::Document) {
        const int level = grantOf(shares.value({EntityKind::Document, id}));
        if (level >= 0)
            return level;
    }
    int current = folderId;
    for (int guard = 0; guard < 10000 && folders.contains(current); ++guard) {
        const int level = grantOf(shares.value({EntityKind::Directory, current}));
        if (level >= 0)
            return level;
        current = folders[current].parentId;
    }
    return -1;
}

bool PortalState::acceptsContent(int userId, int folderId) const
{
    const int section = sectionOf(folderId);
    return folders.contains(folderId) && (section == FolderType::MyDocuments || section == FolderType::Common)
        && canWrite(userId, EntityKind::Directory, folderId);
}

bool PortalState::canRead(int userId, int entityType, int id) const
{
    return accessOf(userId, entityType, id) >= s_readAccess;
}

bool PortalState::canWrite(int userId, int entityType, int id) const
{
    return accessOf(userId, entityType, id) >= s_writeAccess;
}

bool PortalState::isShared(int entityType, int id) const
{
    return !shares.value({entityType, id}).isEmpty();
}

int PortalState::folderNamed(int parentId, const QString &name, int ignoreId) const
{
    for (const FolderRecord &folder : folders) {
        if (folder.parentId == parentId && folder.id != ignoreId && folder.name.compare(name, Qt::CaseInsensitive) == 0)
            return folder.id;
    }
    return 0;
}

int PortalState::documentNamed(int folderId, const QString &name, int ignoreId) const
{
    for (const DocumentRecord &document : documents) {
        if (document.directoryId == folderId && document.id != ignoreId
            && document.name.compare(name, Qt::CaseInsensitive) == 0)
            return document.id;
    }
    return 0;
}

QString PortalState::freeDocumentName(int folderId, const QString &name, int ignoreId) const
{
    const auto parts = splitExtension(name);
    QString candidate = name;
    for (int counter = 1; documentNamed(folderId, candidate, ignoreId) != 0; ++counter)
        candidate = QStringLiteral("%1 (%2)%3").arg(parts.first).arg(counter).arg(parts.second);
    return candidate;
}

QString PortalState::freeFolderName(int parentId, const QString &name, int ignoreId) const
{
    QString candidate = name;
    for (int counter = 1; folderNamed(parentId, candidate, ignoreId) != 0; ++counter)
        candidate = QStringLiteral("%1 (%2)").arg(name).arg(counter);
    return candidate;
}

int PortalState::createFolder(int parentId, const QString &name, int ownerId, int type)
{
    FolderRecord folder;
    folder.id = nextEntityId();
    folder.parentId = parentId;
    folder.ownerId = ownerId;
    folder.name = name;
    folder.type = type;
    folder.created = folder.modified = QDateTime::currentDateTimeUtc();
    folders.insert(folder.id, folder);
    return folder.id;
}

int PortalState::createDocument(int folderId, const QString &name, int ownerId, const QByteArray &bytes)
{
    DocumentRecord document;
    document.id = nextEntityId();
    document.fileId = m_files->store(bytes);
    document.directoryId = folderId;
    document.ownerId = ownerId;
    document.name = name;
    document.mimeType = DemoContent::mimeTypeOf(name);
    document.created = document.modified = document.lastUsed = QDateTime::currentDateTimeUtc();
    documents.insert(document.id, document);
    return document.id;
}

int PortalState::copyDocument(int documentId, int folderId, int ownerId)
{
    DocumentRecord copy = documents.value(documentId);
    copy.id = nextEntityId();
    copy.fileId = m_files->copy(copy.fileId);
    copy.offlineFileId = copy.offlineFileId > 0 ? m_files->copy(copy.offlineFileId) : 0;
    copy.directoryId = folderId;
    copy.ownerId = ownerId;
    copy.name = freeDocumentName(folderId, copy.name);
    copy.favoriteOf.clear();
    copy.created = copy.modified = copy.lastUsed = QDateTime::currentDateTimeUtc();
    documents.insert(copy.id, copy);
    return copy.id;
}

int PortalState::copyFolderTree(int folderId, int parentId, const QString &name, int ownerId)
{
    const FolderRecord source = folders.value(folderId);
    const int copyId = createFolder(parentId, name, ownerId, source.type == FolderType::Public ? FolderType::Public : FolderType::Default);
    folders[copyId].description = source.description;
    for (int documentId : childDocuments(folderId))
        copyDocument(documentId, copyId, ownerId);
    for (int childId : childFolders(folderId)) {
        if (childId != copyId)
            copyFolderTree(childId, copyId, folders.value(childId).name, ownerId);
    }
    return copyId;
}

void PortalState::deleteDocument(int documentId)
{
    const DocumentRecord document = documents.take(documentId);
    m_files->remove(document.fileId);
    m_files->remove(document.offlineFileId);
    shares.remove({EntityKind::Document, documentId});
}

void PortalState::deleteFolderTree(int folderId)
{
    for (int childId : childFolders(folderId))
        deleteFolderTree(childId);
    for (int documentId : childDocuments(folderId))
        deleteDocument(documentId);
    folders.remove(folderId);
    shares.remove({EntityKind::Directory, folderId});
}

void PortalState::touch(int documentId)
{
    if (documents.contains(documentId))
        documents[documentId].lastUsed = QDateTime::currentDateTimeUtc();
}
