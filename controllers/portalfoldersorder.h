#pragma once

#include <QStringList>

// The portal's root folders that the start page shows, by their portal
// names, in the order shown.
namespace PortalFoldersOrder {
extern const QStringList order;
}
