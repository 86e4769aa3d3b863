#include "simulator/entityjson.h"

#include "simulator/sectionview.h"

QString EntityJson::timestamp(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODate);
}

QJsonObject EntityJson::folder(int folderId, int parentOverride) const
{
    const FolderRecord record = m_state.folders.value(folderId);
    return QJsonObject{{QStringLiteral("Id"), record.id},
                       {QStringLiteral("ParentId"), parentOverride > 0 ? parentOverride : record.parentId},
                       {QStringLiteral("OwnerId"), record.ownerId},
                       {QStringLiteral("Name"), record.name},
                       {QStringLiteral("Description"), record.description},
                       {QStringLiteral("Type"), record.type},
                       {QStringLiteral("Order"), record.order},
                       {QStringLiteral("IconId"), 0},
                       {QStringLiteral("Status"), 0},
                       {QStringLiteral("IsRead"), true},
                       {QStringLiteral("SendNotification"), false},
                       {QStringLiteral("IsFavorite"), record.favoriteOf.contains(m_viewerId)},
                       {QStringLiteral("IsShared"), m_state.isShared(EntityKind::Directory, folderId)},
                       {QStringLiteral("Size"), 0},
                       {QStringLiteral("Timestamp"), timestamp(record.modified)},
                       {QStringLiteral("Date"), timestamp(record.created)}};
}

QJsonObject EntityJson::folderTree(int folderId, int parentOverride) const
{
    QJsonObject object = folder(folderId, parentOverride);
    const SectionView view(m_state, m_viewerId);
    QJsonArray children;
    for (int childId : view.folders(folderId))
        children.append(folderTree(childId, view.shownParent(folderId)));
    object.insert(QStringLiteral("Children"), children);
    return object;
}

QJsonObject EntityJson::document(int documentId, int directoryOverride) const
{
    const DocumentRecord record = m_state.documents.value(documentId);
    return QJsonObject{{QStringLiteral("Id"), record.id},
                       {QStringLiteral("FileId"), record.fileId},
                       {QStringLiteral("OriginalFileId"), record.fileId},
                       {QStringLiteral("PreviewFileId"), 0},
                       {QStringLiteral("OfflineFileId"), record.offlineFileId},
                       {QStringLiteral("DirectoryId"), directoryOverride > 0 ? directoryOverride : record.directoryId},
                       {QStringLiteral("OwnerId"), record.ownerId},
                       {QStringLiteral("Name"), record.name},
                       {QStringLiteral("Description"), record.description},
                       {QStringLiteral("MimeType"), record.mimeType},
                       {QStringLiteral("OriginalMimeType"), record.mimeType},
                       {QStringLiteral("Size"), static_cast<double>(m_state.files()->size(record.fileId))},
                       {QStringLiteral("Type"), 0},
                       {QStringLiteral("Order"), 100},
                       {QStringLiteral("IconId"), 0},
                       {QStringLiteral("Status"), 0},
                       {QStringLiteral("IsRead"), true},
                       {QStringLiteral("SendNotification"), false},
                       {QStringLiteral("IsFavorite"), record.favoriteOf.contains(m_viewerId)},
                       {QStringLiteral("IsShared"), m_state.isShared(EntityKind::Document, documentId)},
                       {QStringLiteral("Timestamp"), timestamp(record.modified)},
                       {QStringLiteral("Date"), timestamp(record.created)}};
}

QJsonObject EntityJson::parentChain(int folderId) const
{
    if (!m_state.folders.contains(folderId))
        return QJsonObject();
    const FolderRecord &record = m_state.folders[folderId];
    QJsonObject object{{QStringLiteral("Id"), record.id},
                       {QStringLiteral("Name"), record.name},
                       {QStringLiteral("Type"), record.type}};
    const QJsonObject above = parentChain(record.parentId);
    if (!above.isEmpty())
        object.insert(QStringLiteral("Parent"), above);
    return object;
}

QJsonObject EntityJson::user(int userId) const
{
    const UserRecord record = m_state.users.value(userId);
    return QJsonObject{{QStringLiteral("Id"), record.id},
                       {QStringLiteral("Name"), record.name},
                       {QStringLiteral("ContactId"), record.contactId},
                       {QStringLiteral("Type"), record.type},
                       {QStringLiteral("FirstName"), record.firstName},
                       {QStringLiteral("Surname"), record.surname},
                       {QStringLiteral("MiddleName"), record.middleName},
                       {QStringLiteral("Email"), record.email},
                       {QStringLiteral("Login"), record.login},
                       {QStringLiteral("Company"), record.company}};
}

QJsonObject EntityJson::role(int roleId) const
{
    const RoleRecord record = m_state.roles.value(roleId);
    return QJsonObject{{QStringLiteral("Id"), record.id}, {QStringLiteral("Name"), record.name}, {QStringLiteral("Type"), record.type}};
}
