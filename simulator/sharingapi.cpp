#include "simulator/sharingapi.h"

#include <QUuid>

namespace {
const QHash<QString, int> &accessLevels()
{
    static const QHash<QString, int> levels{{QStringLiteral("Deny"), 0},  {QStringLiteral("Read"), 1},
                                            {QStringLiteral("Comment"), 2}, {QStringLiteral("Write"), 5},
                                            {QStringLiteral("Delete"), 9}};
    return levels;
}

int entityTypeOf(const QString &text)
{
    if (text == QLatin1String("Document") || text == QString::number(EntityKind::Document))
        return EntityKind::Document;
    if (text == QLatin1String("Directory") || text == QString::number(EntityKind::Directory))
        return EntityKind::Directory;
    return 0;
}
} // namespace

void SharingApi::addRoutes(Router *router)
{
    const auto signedIn = Router::Access::SignedIn;
    add(router, "POST", v1("Documents/Share"), signedIn, &SharingApi::shareDocument);
    add(router, "POST", v1("Documents/UnShare"), signedIn, &SharingApi::unshareDocument);
    add(router, "POST", v1("DocumentDirectory/Share"), signedIn, &SharingApi::shareFolder);
    add(router, "POST", v1("DocumentDirectory/UnShare"), signedIn, &SharingApi::unshareFolder);
    add(router, "POST", v1("Documents/ShareBulk"), signedIn, &SharingApi::shareDocumentBulk);
    add(router, "POST", v1("Documents/UnShareBulk"), signedIn, &SharingApi::unshareDocumentBulk);
    add(router, "POST", v1("DocumentDirectory/ShareBulk"), signedIn, &SharingApi::shareFolderBulk);
    add(router, "POST", v1("DocumentDirectory/UnShareBulk"), signedIn, &SharingApi::unshareFolderBulk);
    add(router, "GET", v1("Share"), signedIn, &SharingApi::shareInfo);
    add(router, "GET", v1("Link/Generate"), signedIn, &SharingApi::generateLink);
    add(router, "GET", v1("Link/Info"), signedIn, &SharingApi::linkInfo);
    add(router, "DELETE", v1("Link"), signedIn, &SharingApi::deleteLink);
    add(router, "GET", v1("Role"), signedIn, &SharingApi::roles);
    add(router, "POST", v1("User/Search"), signedIn, &SharingApi::searchUsers);
}

bool SharingApi::accessLevel(const QString &text, int *level)
{
    const auto it = accessLevels().constFind(text);
    if (it == accessLevels().constEnd())
        return false;
    *level = it.value();
    return true;
}

void SharingApi::setRight(QList<AccessRight> *rights, int principalId, int level, bool grant)
{
    for (int i = rights->size() - 1; i >= 0; --i) {
        if (rights->at(i).principalId == principalId)
            rights->removeAt(i);
    }
    if (grant)
        rights->append(AccessRight{principalId, level});
}

bool SharingApi::mayShare(int userId, int entityType, int id, ApiReply *refusal) const
{
    const bool exists = entityType == EntityKind::Document ? state().documents.contains(id) : state().folders.contains(id);
    if (!exists)
        *refusal = ApiReply::notFound(QStringLiteral("Entity %1 not found").arg(id));
    else if (entityType == EntityKind::Directory && state().isRoot(id))
        *refusal = ApiReply::badRequest(QStringLiteral("A section folder cannot be shared"));
    else if (!state().canWrite(userId, entityType, id))
        *refusal = ApiReply::forbidden();
    else
        return true;
    return false;
}

QJsonArray SharingApi::rightsJson(const QList<AccessRight> &rights, int entityType, int id)
{
    QJsonArray array;
    for (const AccessRight &right : rights) {
        array.append(QJsonObject{{QStringLiteral("PrincipalId"), right.principalId},
                                 {QStringLiteral("Type"), right.access},
                                 {QStringLiteral("EntityId"), id},
                                 {QStringLiteral("EntityType"), entityType}});
    }
    return array;
}

ApiReply SharingApi::shareSingle(ApiRequest &request, int entityType, bool grant)
{
    const QJsonObject body = request.json().object();
    int level = 0;
    if (!accessLevel(body.value(QStringLiteral("AccessType")).toString(), &level))
        return ApiReply::badRequest(QStringLiteral("Unknown access type \"%1\"").arg(body.value(QStringLiteral("AccessType")).toString()));
    const QList<int> ids = jsonIds(body.value(QStringLiteral("Ids")));
    const QList<int> userIds = jsonIds(body.value(QStringLiteral("ToUserIds")));
    if (ids.isEmpty() || userIds.isEmpty())
        return ApiReply::badRequest(QStringLiteral("\"Ids\" and \"ToUserIds\" must not be empty"));
    for (const int id : ids) {
        ApiReply refusal;
        if (!mayShare(request.userId, entityType, id, &refusal))
            return refusal;
    }
    for (const int userId : userIds) {
        if (!state().users.contains(userId))
            return ApiReply::notFound(QStringLiteral("User %1 not found").arg(userId));
    }
    for (const int id : ids) {
        ShareRecord &share = state().shares[{entityType, id}];
        for (const int userId : userIds)
            setRight(&share.users, userId, level, grant);
    }
    return ApiReply::plainTrue();
}

ApiReply SharingApi::shareBulk(ApiRequest &request, int entityType, bool grant)
{
    const QJsonDocument document = request.json();
    if (!document.isArray())
        return ApiReply::badRequest(QStringLiteral("The body must be a JSON array"));
    const QJsonArray groups = document.array();
    // Everything is checked before anything changes.
    QList<int> touched;
    for (const QJsonValue &value : groups) {
        const QJsonObject group = value.toObject();
        int level = 0;
        if (!accessLevel(group.value(QStringLiteral("AccessType")).toString(), &level))
            return ApiReply::badRequest(QStringLiteral("Unknown access type \"%1\"").arg(group.value(QStringLiteral("AccessType")).toString()));
        for (const int id : jsonIds(group.value(QStringLiteral("Ids")))) {
            ApiReply refusal;
            if (!mayShare(request.userId, entityType, id, &refusal))
                return refusal;
            // An entity named in several groups is answered once.
            if (!touched.contains(id))
                touched.append(id);
        }
        for (const int userId : jsonIds(group.value(QStringLiteral("ToUserIds")))) {
            if (!state().users.contains(userId))
                return ApiReply::notFound(QStringLiteral("User %1 not found").arg(userId));
        }
        for (const int roleId : jsonIds(group.value(QStringLiteral("ToRoleIds")))) {
            if (!state().roles.contains(roleId))
                return ApiReply::notFound(QStringLiteral("Role %1 not found").arg(roleId));
        }
    }
    for (const QJsonValue &value : groups) {
        const QJsonObject group = value.toObject();
        int level = 0;
        accessLevel(group.value(QStringLiteral("AccessType")).toString(), &level);
        for (const int id : jsonIds(group.value(QStringLiteral("Ids")))) {
            ShareRecord &share = state().shares[{entityType, id}];
            for (const int userId : jsonIds(group.value(QStringLiteral("ToUserIds"))))
                setRight(&share.users, userId, level, grant);
            for (const int roleId : jsonIds(group.value(QStringLiteral("ToRoleIds"))))
                setRight(&share.roles, roleId, level, grant);
        }
    }
    QJsonArray result;
    for (const int id : touched) {
        for (const QJsonValue &right : rightsJson(state().shares.value({entityType, id}).users, entityType, id))
            result.append(right);
    }
    return ApiReply::json(result);
}

ApiReply SharingApi::shareInfo(ApiRequest &request)
{
    int id = 0;
    request.queryInt(QStringLiteral("entityId"), &id);
    const int entityType = entityTypeOf(request.queryValue(QStringLiteral("entityType")));
    if (entityType == 0)
        return ApiReply::badRequest(QStringLiteral("Unknown entity type \"%1\"").arg(request.queryValue(QStringLiteral("entityType"))));
    const bool exists = entityType == EntityKind::Document ? state().documents.contains(id) : state().folders.contains(id);
    if (!exists)
        return ApiReply::notFound(QStringLiteral("Entity %1 not found").arg(id));
    if (!state().canRead(request.userId, entityType, id))
        return ApiReply::forbidden();
    const ShareRecord share = state().shares.value({entityType, id});
    QJsonArray links;
    for (const LinkRecord &link : share.links)
        links.append(linkJson(link, request));
    return ApiReply::json(QJsonObject{{QStringLiteral("UserAccessRights"), rightsJson(share.users, entityType, id)},
                                      {QStringLiteral("RoleAccessRights"), rightsJson(share.roles, entityType, id)},
                                      {QStringLiteral("SharedLinks"), links}});
}

QJsonObject SharingApi::linkJson(const LinkRecord &link, const ApiRequest &request) const
{
    return QJsonObject{{QStringLiteral("Uid"), link.uid},
                       {QStringLiteral("EntityId"), link.entityId},
                       {QStringLiteral("Type"), link.entityType},
                       {QStringLiteral("LifeTime"), link.lifeTime},
                       {QStringLiteral("AccessType"), link.accessType},
                       {QStringLiteral("OwnerId"), link.ownerId},
                       {QStringLiteral("Created"), EntityJson::timestamp(link.created)},
                       {QStringLiteral("Url"), request.baseUrl + QStringLiteral("/s/") + link.uid},
                       {QStringLiteral("Link"), request.baseUrl + QStringLiteral("/link/") + link.uid}};
}

const LinkRecord *SharingApi::findLink(const QString &uid) const
{
    for (const ShareRecord &share : state().shares) {
        for (const LinkRecord &link : share.links) {
            if (link.uid == uid)
                return &link;
        }
    }
    return nullptr;
}

ApiReply SharingApi::generateLink(ApiRequest &request)
{
    int id = 0, lifeTime = 0, accessType = 0;
    const bool numbers = request.queryInt(QStringLiteral("Id"), &id) && request.queryInt(QStringLiteral("lifetime"), &lifeTime)
        && request.queryInt(QStringLiteral("accessType"), &accessType);
    const int entityType = entityTypeOf(request.queryValue(QStringLiteral("type")));
    if (!numbers || entityType == 0)
        return ApiReply::badRequest(QStringLiteral("Id, lifetime, accessType and type are required numbers"));
    ApiReply refusal;
    if (!mayShare(request.userId, entityType, id, &refusal))
        return refusal;
    ShareRecord &share = state().shares[{entityType, id}];
    // A link of the same lifetime and access is handed out again.
    const LinkRecord *link = nullptr;
    for (const LinkRecord &existing : share.links) {
        if (existing.lifeTime == lifeTime && existing.accessType == accessType)
            link = &existing;
    }
    if (!link) {
        share.links.append(LinkRecord{QUuid::createUuid().toString(QUuid::WithoutBraces), id, entityType, lifeTime, accessType,
                                      request.userId, QDateTime::currentDateTimeUtc()});
        link = &share.links.last();
    }
    QJsonObject reply = linkJson(*link, request);
    reply.insert(QStringLiteral("Jwt"), QStringLiteral("jwt-") + link->uid);
    reply.insert(QStringLiteral("UserId"), QString::number(request.userId));
    reply.insert(QStringLiteral("Version"), 1);
    return ApiReply::json(reply);
}

ApiReply SharingApi::linkInfo(ApiRequest &request)
{
    const LinkRecord *link = findLink(request.queryValue(QStringLiteral("uid")));
    if (!link)
        return ApiReply::notFound(QStringLiteral("Link not found"));
    QJsonObject reply = linkJson(*link, request);
    reply.insert(QStringLiteral("Entity"), link->entityType == EntityKind::Document ? json(request).document(link->entityId)
                                                                                     : json(request).folder(link->entityId));
    return ApiReply::json(reply);
}

ApiReply SharingApi::deleteLink(ApiRequest &request)
{
    const QString uid = request.queryValue(QStringLiteral("uid"));
    const LinkRecord *link = findLink(uid);
    if (!link)
        return ApiReply::notFound(QStringLiteral("Link not found"));
    ApiReply refusal;
    if (!mayShare(request.userId, link->entityType, link->entityId, &refusal))
        return refusal;
    QList<LinkRecord> &links = state().shares[{link->entityType, link->entityId}].links;
    for (int i = links.size() - 1; i >= 0; --i) {
        if (links[i].uid == uid)
            links.removeAt(i);
    }
    return ApiReply::plainTrue();
}

ApiReply SharingApi::roles(ApiRequest &request)
{
    QJsonArray array;
    for (const int roleId : state().roles.keys())
        array.append(json(request).role(roleId));
    return ApiReply::json(array);
}

ApiReply SharingApi::searchUsers(ApiRequest &request)
{
    const QString query = request.json().object().value(QStringLiteral("Query")).toString().trimmed();
    QJsonArray array;
    for (const UserRecord &user : state().users) {
        const bool match = query.isEmpty() || user.name.contains(query, Qt::CaseInsensitive)
            || user.email.contains(query, Qt::CaseInsensitive) || user.login.contains(query, Qt::CaseInsensitive);
        if (match)
            array.append(json(request).user(user.id));
    }
    return ApiReply::json(array);
}
