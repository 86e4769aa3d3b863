#include "simulator/controlapi.h"

#include "simulator/demoseed.h"

namespace {
QString control(const char *name)
{
    return QStringLiteral("/__control/") + QString::fromLatin1(name);
}

QJsonArray idArray(const QSet<int> &ids)
{
    QList<int> sorted = ids.values();
    std::sort(sorted.begin(), sorted.end());
    QJsonArray array;
    for (int id : sorted)
        array.append(id);
    return array;
}

QJsonArray rightsJson(const QList<AccessRight> &rights)
{
    QJsonArray array;
    for (const AccessRight &right : rights)
        array.append(QJsonObject{{QStringLiteral("PrincipalId"), right.principalId}, {QStringLiteral("Type"), right.access}});
    return array;
}
} // namespace

void ControlApi::addRoutes(Router *router)
{
    add(router, "POST", control("fault"), Router::Access::Public, &ControlApi::addFault);
    add(router, "GET", control("faults"), Router::Access::Public, &ControlApi::listFaults);
    add(router, "POST", control("clear"), Router::Access::Public, &ControlApi::clear);
    add(router, "POST", control("release"), Router::Access::Public, &ControlApi::release);
    add(router, "POST", control("reset"), Router::Access::Public, &ControlApi::reset);
    add(router, "GET", control("requests"), Router::Access::Public, &ControlApi::requests);
    add(router, "POST", control("clear-requests"), Router::Access::Public, &ControlApi::clearRequests);
    add(router, "POST", control("expire-tokens"), Router::Access::Public, &ControlApi::expireTokens);
    add(router, "POST", control("token-lifetime"), Router::Access::Public, &ControlApi::tokenLifetime);
    add(router, "POST", control("tasks"), Router::Access::Public, &ControlApi::tasks);
    add(router, "GET", control("state"), Router::Access::Public, &ControlApi::dumpState);
    add(router, "GET", control("ping"), Router::Access::Public, &ControlApi::ping);
}

ApiReply ControlApi::ok(QJsonObject object)
{
    object.insert(QStringLiteral("ok"), true);
    return ApiReply::json(object);
}

ApiReply ControlApi::refused(const QString &message)
{
    return ApiReply::json(QJsonObject{{QStringLiteral("ok"), false}, {QStringLiteral("error"), message}}, 400);
}

ApiReply ControlApi::addFault(ApiRequest &request)
{
    Fault fault;
    QString error;
    if (!Fault::fromJson(request.json().object(), &fault, &error))
        return refused(error);
    m_context->faults.add(fault);
    return ok({{QStringLiteral("fault"), fault.toJson()}});
}

ApiReply ControlApi::listFaults(ApiRequest &)
{
    return ok({{QStringLiteral("faults"), m_context->faults.toJson()}});
}

ApiReply ControlApi::clear(ApiRequest &)
{
    m_context->faults.clear();
    m_context->tasks.failNext(0);
    return ok();
}

ApiReply ControlApi::release(ApiRequest &)
{
    m_context->faults.release();
    return ok();
}

ApiReply ControlApi::reset(ApiRequest &)
{
    QString error;
    if (!DemoSeed::load(m_context->seedPath, &m_context->state, &error))
        return refused(error);
    m_context->faults.clear();
    m_context->tokens.clear();
    m_context->tasks.clear();
    m_context->requests.clear();
    m_context->feedback = QJsonArray();
    return ok();
}

ApiReply ControlApi::requests(ApiRequest &)
{
    return ok({{QStringLiteral("requests"), m_context->requests.toJson()}});
}

ApiReply ControlApi::clearRequests(ApiRequest &)
{
    m_context->requests.clear();
    return ok();
}

ApiReply ControlApi::expireTokens(ApiRequest &request)
{
    m_context->tokens.expireAccessTokens();
    if (request.json().object().value(QStringLiteral("refresh")).toBool())
        m_context->tokens.expireRefreshTokens();
    return ok();
}

ApiReply ControlApi::tokenLifetime(ApiRequest &request)
{
    const int seconds = request.json().object().value(QStringLiteral("seconds")).toInt(0);
    if (seconds <= 0)
        return refused(QStringLiteral("\"seconds\" must be a positive number"));
    m_context->tokens.setLifetimeSeconds(seconds);
    return ok({{QStringLiteral("seconds"), seconds}});
}

ApiReply ControlApi::tasks(ApiRequest &request)
{
    const QJsonObject body = request.json().object();
    if (body.contains(QStringLiteral("steps")))
        m_context->tasks.setSteps(body.value(QStringLiteral("steps")).toInt(1));
    if (body.contains(QStringLiteral("failNext")))
        m_context->tasks.failNext(body.value(QStringLiteral("failNext")).toInt(0));
    return ok({{QStringLiteral("steps"), m_context->tasks.steps()}, {QStringLiteral("tasks"), m_context->tasks.toJson()}});
}

ApiReply ControlApi::dumpState(ApiRequest &)
{
    return ok(stateJson());
}

ApiReply ControlApi::ping(ApiRequest &)
{
    return ok();
}

QJsonObject ControlApi::stateJson() const
{
    const PortalState &portal = state();
    QJsonArray users;
    for (const UserRecord &user : portal.users) {
        QJsonObject roots;
        for (const auto &section : {qMakePair(QStringLiteral("MyDocuments"), FolderType::MyDocuments),
                                    qMakePair(QStringLiteral("Virtual"), FolderType::Virtual),
                                    qMakePair(QStringLiteral("Favorite"), FolderType::Favorite),
                                    qMakePair(QStringLiteral("LastDocuments"), FolderType::LastDocuments),
                                    qMakePair(QStringLiteral("SharedAccess"), FolderType::SharedAccess),
                                    qMakePair(QStringLiteral("Trash"), FolderType::Trash),
                                    qMakePair(QStringLiteral("Common"), FolderType::Common)})
            roots.insert(section.first, portal.rootFolder(user.id, section.second));
        users.append(QJsonObject{{QStringLiteral("Id"), user.id},
                                 {QStringLiteral("Login"), user.login},
                                 {QStringLiteral("Email"), user.email},
                                 {QStringLiteral("Name"), user.name},
                                 {QStringLiteral("Roots"), roots}});
    }
    QJsonArray roles;
    for (const RoleRecord &role : portal.roles) {
        QJsonArray members;
        for (int id : role.memberIds)
            members.append(id);
        roles.append(QJsonObject{{QStringLiteral("Id"), role.id}, {QStringLiteral("Name"), role.name}, {QStringLiteral("Members"), members}});
    }
    QJsonArray folders;
    for (const FolderRecord &folder : portal.folders) {
        folders.append(QJsonObject{{QStringLiteral("Id"), folder.id},
                                   {QStringLiteral("ParentId"), folder.parentId},
                                   {QStringLiteral("OwnerId"), folder.ownerId},
                                   {QStringLiteral("Name"), folder.name},
                                   {QStringLiteral("Type"), folder.type},
                                   {QStringLiteral("FavoriteOf"), idArray(folder.favoriteOf)}});
    }
    QJsonArray documents;
    for (const DocumentRecord &document : portal.documents) {
        documents.append(QJsonObject{{QStringLiteral("Id"), document.id},
                                     {QStringLiteral("DirectoryId"), document.directoryId},
                                     {QStringLiteral("OwnerId"), document.ownerId},
                                     {QStringLiteral("Name"), document.name},
                                     {QStringLiteral("FileId"), document.fileId},
                                     {QStringLiteral("OfflineFileId"), document.offlineFileId},
                                     {QStringLiteral("Size"), static_cast<double>(portal.files()->size(document.fileId))},
                                     {QStringLiteral("MimeType"), document.mimeType},
                                     {QStringLiteral("FavoriteOf"), idArray(document.favoriteOf)}});
    }
    QJsonArray shares;
    for (auto it = portal.shares.constBegin(); it != portal.shares.constEnd(); ++it) {
        QJsonArray links;
        for (const LinkRecord &link : it->links) {
            links.append(QJsonObject{{QStringLiteral("Uid"), link.uid},
                                     {QStringLiteral("LifeTime"), link.lifeTime},
                                     {QStringLiteral("AccessType"), link.accessType}});
        }
        shares.append(QJsonObject{{QStringLiteral("EntityType"), it.key().first},
                                  {QStringLiteral("EntityId"), it.key().second},
                                  {QStringLiteral("Users"), rightsJson(it->users)},
                                  {QStringLiteral("Roles"), rightsJson(it->roles)},
                                  {QStringLiteral("Links"), links}});
    }
    return QJsonObject{{QStringLiteral("users"), users},         {QStringLiteral("roles"), roles},
                       {QStringLiteral("folders"), folders},     {QStringLiteral("documents"), documents},
                       {QStringLiteral("shares"), shares},       {QStringLiteral("tasks"), m_context->tasks.toJson()},
                       {QStringLiteral("feedback"), m_context->feedback},
                       {QStringLiteral("commonRootId"), portal.commonRootId},
                       {QStringLiteral("tokenLifetime"), m_context->tokens.lifetimeSeconds()}};
}
