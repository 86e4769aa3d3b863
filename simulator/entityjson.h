#pragma once

#include "simulator/portalstate.h"

#include <QJsonArray>
#include <QJsonObject>

// The portal's JSON form of its entities, as seen by one user.
class EntityJson
{
public:
    EntityJson(const PortalState &state, int viewerId) : m_state(state), m_viewerId(viewerId) {}

    // parentOverride > 0 shows the folder under that parent (the sections
    // that list entities from elsewhere show them as their own children).
    QJsonObject folder(int folderId, int parentOverride = 0) const;
    // The folder with what it shows of its sub-folders nested under
    // "Children", to any depth.
    QJsonObject folderTree(int folderId, int parentOverride = 0) const;
    QJsonObject document(int documentId, int directoryOverride = 0) const;
    // "Parent": the chain of folders above, each with its own "Parent".
    QJsonObject parentChain(int folderId) const;
    QJsonObject user(int userId) const;
    QJsonObject role(int roleId) const;

    static QString timestamp(const QDateTime &time);

private:
    const PortalState &m_state;
    int m_viewerId;
};
