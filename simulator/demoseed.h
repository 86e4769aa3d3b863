#pragma once

#include "simulator/portalstate.h"

#include <QJsonObject>
#include <QString>

// Fills the state from the demo-data file (users, groups, folder trees with
// their documents, favorites, shares and links).
class DemoSeed
{
public:
    // The file next to the installed binary.
    static QString defaultPath();
    static bool load(const QString &path, PortalState *state, QString *error);

private:
    DemoSeed(PortalState *state) : m_state(state) {}
    bool apply(const QJsonObject &root, QString *error);
    bool addTree(const QJsonObject &tree, QString *error);
    bool addFolderContent(const QJsonObject &folder, int folderId, int ownerId, QString *error);
    bool addDocument(const QJsonObject &document, int folderId, int ownerId, QString *error);
    bool addShare(const QJsonObject &share, QString *error);
    bool claimId(int id, QString *error);

    PortalState *m_state;
    QSet<int> m_usedIds;
};
