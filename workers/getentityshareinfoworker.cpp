#include "getentityshareinfoworker.h"

#include "requests/getentityshareinforequest.h"
#include "workers/requestoutcome.h"

namespace {
QList<UserOrRoleEntity> principals(const QVariant &list, bool isGroup)
{
    QList<UserOrRoleEntity> entities;
    for (const QVariant &element : list.toList()) {
        const QVariantMap principal = element.toMap();
        UserOrRoleEntity entity;
        entity.id = principal.value(QStringLiteral("PrincipalId")).toInt();
        entity.access = qint16(principal.value(QStringLiteral("Type")).toInt());
        entity.isGroup = isGroup;
        entities.append(entity);
    }
    return entities;
}

QList<SharedLink> links(const QVariant &list)
{
    QList<SharedLink> links;
    for (const QVariant &element : list.toList()) {
        const QVariantMap map = element.toMap();
        SharedLink link;
        link.uid = map.value(QStringLiteral("Uid")).toString();
        link.entityId = map.value(QStringLiteral("EntityId")).toInt();
        link.type = map.value(QStringLiteral("Type")).toInt();
        link.lifeTime = qint16(map.value(QStringLiteral("LifeTime")).toInt());
        link.accessType = qint16(map.value(QStringLiteral("AccessType")).toInt());
        links.append(link);
    }
    return links;
}
} // namespace

GetEntityShareInfoWorker::GetEntityShareInfoWorker(QObject *parent)
    : Worker(nullptr, nullptr, parent)
{
}

void GetEntityShareInfoWorker::getEntityShareInfo(int id, EntityTypes::EntityType type)
{
    // Only the answer for the entity asked about last is shown.
    m_latest.start(this, new GetEntityShareInfoRequest(id, type), &GetEntityShareInfoWorker::handleGetInfoRequest);
}

void GetEntityShareInfoWorker::handleGetInfoRequest(const QVariantMap &result)
{
    if (!RequestOutcome::succeeded(result)) {
        emit workFinished(false, RequestOutcome::failureMessage(result));
        return;
    }
    emit propertiesReady(principals(result.value(QStringLiteral("users")), false),
                         principals(result.value(QStringLiteral("roles")), true));
    emit linksReady(links(result.value(QStringLiteral("links"))));
    emit workFinished(true);
}
