#pragma once

#include "simulator/portalstate.h"

#include <QList>

// What a folder shows to one user. Real folders show their children; the
// section roots Available for me, Shared access, Favorites and Last
// documents gather entities from elsewhere.
class SectionView
{
public:
    SectionView(const PortalState &state, int viewerId) : m_state(state), m_viewerId(viewerId) {}

    QList<int> folders(int folderId) const;
    QList<int> documents(int folderId) const;
    // Entities of the gathering sections are shown as the root's children.
    int shownParent(int folderId) const;

private:
    bool sharedWithViewer(int entityType, int id) const;
    bool inTrash(int entityType, int id) const;

    const PortalState &m_state;
    int m_viewerId;
};
