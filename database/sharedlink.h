#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

// One share link of a file or folder, from the portal's share information.
struct SharedLink
{
    QString uid;
    int entityId = -1;
    int type = 0;
    // A DocumentLink::LifeTime value.
    qint16 lifeTime = 0;
    // A DocumentLink::AccessType value.
    qint16 accessType = -1;
};

Q_DECLARE_METATYPE(SharedLink)
