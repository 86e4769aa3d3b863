#include "simulator/sectionview.h"

#include <algorithm>

namespace {
constexpr int s_lastDocumentsCount = 20;
}

int SectionView::shownParent(int folderId) const
{
    if (!m_state.isRoot(folderId))
        return 0;
    const int type = m_state.folders[folderId].type;
    return type == FolderType::Virtual || type == FolderType::SharedAccess ? folderId : 0;
}

bool SectionView::inTrash(int entityType, int id) const
{
    const int folderId = entityType == EntityKind::Document ? m_state.documents.value(id).directoryId : id;
    return m_state.isInTrash(folderId);
}

bool SectionView::sharedWithViewer(int entityType, int id) const
{
    const ShareRecord share = m_state.shares.value({entityType, id});
    for (const AccessRight &right : share.users) {
        if (right.principalId == m_viewerId && right.access > 0)
            return true;
    }
    for (const AccessRight &right : share.roles) {
        if (right.access > 0 && m_state.roles.value(right.principalId).memberIds.contains(m_viewerId))
            return true;
    }
    return false;
}

QList<int> SectionView::folders(int folderId) const
{
    QList<int> ids;
    const int type = m_state.isRoot(folderId) ? m_state.folders[folderId].type : FolderType::Default;
    if (type == FolderType::Virtual || type == FolderType::SharedAccess) {
        for (const FolderRecord &folder : m_state.folders) {
            if (folder.parentId == 0 || inTrash(EntityKind::Directory, folder.id))
                continue;
            const bool mine = folder.ownerId == m_viewerId;
            if (type == FolderType::Virtual ? !mine && sharedWithViewer(EntityKind::Directory, folder.id)
                                            : mine && m_state.isShared(EntityKind::Directory, folder.id))
                ids.append(folder.id);
        }
        return ids;
    }
    if (type == FolderType::Favorite || type == FolderType::LastDocuments)
        return ids;
    for (int id : m_state.childFolders(folderId)) {
        if (m_state.canRead(m_viewerId, EntityKind::Directory, id))
            ids.append(id);
    }
    return ids;
}

QList<int> SectionView::documents(int folderId) const
{
    QList<int> ids;
    const int type = m_state.isRoot(folderId) ? m_state.folders[folderId].type : FolderType::Default;
    const auto visible = [&](const DocumentRecord &document) {
        return m_state.canRead(m_viewerId, EntityKind::Document, document.id) && !inTrash(EntityKind::Document, document.id);
    };
    switch (type) {
    case FolderType::Virtual:
    case FolderType::SharedAccess:
        for (const DocumentRecord &document : m_state.documents) {
            if (inTrash(EntityKind::Document, document.id))
                continue;
            const bool mine = document.ownerId == m_viewerId;
            if (type == FolderType::Virtual ? !mine && sharedWithViewer(EntityKind::Document, document.id)
                                            : mine && m_state.isShared(EntityKind::Document, document.id))
                ids.append(document.id);
        }
        return ids;
    case FolderType::Favorite:
        for (const DocumentRecord &document : m_state.documents) {
            if (document.favoriteOf.contains(m_viewerId) && visible(document))
                ids.append(document.id);
        }
        return ids;
    case FolderType::LastDocuments: {
        QList<const DocumentRecord *> used;
        for (const DocumentRecord &document : m_state.documents) {
            if (document.lastUsed.isValid() && visible(document))
                used.append(&document);
        }
        std::sort(used.begin(), used.end(), [](const DocumentRecord *a, const DocumentRecord *b) { return a->lastUsed > b->lastUsed; });
        for (int i = 0; i < used.size() && i < s_lastDocumentsCount; ++i)
            ids.append(used[i]->id);
        return ids;
    }
    default:
        for (int id : m_state.childDocuments(folderId)) {
            if (m_state.canRead(m_viewerId, EntityKind::Document, id))
                ids.append(id);
        }
        return ids;
    }
}
