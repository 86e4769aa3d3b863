#include "sharebulk.h"

#include "requests/documentlink.h"

#include <QJsonObject>

namespace {

QJsonArray idsWithAccess(const QList<UserOrRoleEntity> &principals, qint16 access)
{
    QJsonArray ids;
    for (const UserOrRoleEntity &principal : principals) {
        if (principal.access == access)
            ids.append(principal.id);
    }
    return ids;
}

} // namespace

QJsonArray ShareBulk::makeArray(int entityId, const QList<UserOrRoleEntity> &users,
                                const QList<UserOrRoleEntity> &roles)
{
    QList<qint16> levels;
    for (const QList<UserOrRoleEntity> *principals : {&users, &roles}) {
        for (const UserOrRoleEntity &principal : *principals) {
            if (!levels.contains(principal.access))
                levels.append(principal.access);
        }
    }

    QJsonArray array;
    for (const qint16 level : levels) {
        QJsonObject object{
            {QStringLiteral("AccessType"),
             DocumentLink::accessTypeToString(static_cast<DocumentLink::AccessType>(level))},
            {QStringLiteral("Ids"), QJsonArray{entityId}},
        };
        const QJsonArray userIds = idsWithAccess(users, level);
        if (!userIds.isEmpty())
            object.insert(QStringLiteral("ToUserIds"), userIds);
        const QJsonArray roleIds = idsWithAccess(roles, level);
        if (!roleIds.isEmpty())
            object.insert(QStringLiteral("ToRoleIds"), roleIds);
        array.append(object);
    }
    return array;
}
