#pragma once

#include "database/userorroleentity.h"

#include <QList>

// The access settings dialog counts its levels (SharedFileAccessType,
// SharedFolderAccessType) one below the portal's link and share levels
// (DocumentLink::AccessType): Denied -1 is Deny 0, Read only 0 is Read 1,
// Comment 1 is Comment 2, Edit 4 is Write 5. The dialog converts at its edge,
// so that a level the page shows is the one the portal applies.
namespace ShareAccessLevel {
qint16 toPortal(int dialogLevel);
qint16 fromPortal(int portalLevel);
QList<UserOrRoleEntity> toPortal(QList<UserOrRoleEntity> entities);
} // namespace ShareAccessLevel
