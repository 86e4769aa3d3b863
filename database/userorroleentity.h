#pragma once

#include <QDebug>
#include <QList>
#include <QMetaType>
#include <QString>

// One portal user, or one role (group), in sharing dialogs and user lists.
struct UserOrRoleEntity
{
    int id = -1;
    // The portal's access level of this user or role.
    qint16 access = -1;
    bool selected = false;
    bool isGroup = false;
    QString name;

    bool operator==(const UserOrRoleEntity &other) const { return id == other.id && isGroup == other.isGroup; }
    bool operator!=(const UserOrRoleEntity &other) const { return !(*this == other); }
};

QDebug operator<<(QDebug debug, const UserOrRoleEntity &entity);

Q_DECLARE_METATYPE(UserOrRoleEntity)
