#include "simulator/listingapi.h"

#include "simulator/sectionview.h"

void ListingApi::addRoutes(Router *router)
{
    add(router, "GET", v1("DocumentDirectory/Get"), Router::Access::SignedIn, &ListingApi::folders);
    add(router, "POST", v1("DocumentDirectory/GetDocuments"), Router::Access::SignedIn, &ListingApi::documents);
    add(router, "GET", v1("DocumentDirectory/Search"), Router::Access::SignedIn, &ListingApi::search);
    add(router, "GET", v1("Documents"), Router::Access::SignedIn, &ListingApi::documentInfo);
    add(router, "POST", v1("User/get"), Router::Access::SignedIn, &ListingApi::users);
}

QList<int> ListingApi::topLevelFolders(int userId) const
{
    QList<int> ids;
    for (const int type : {FolderType::MyDocuments, FolderType::Virtual, FolderType::Favorite, FolderType::LastDocuments,
                           FolderType::SharedAccess, FolderType::Trash, FolderType::Common}) {
        const int id = state().rootFolder(userId, type);
        if (id > 0)
            ids.append(id);
    }
    return ids;
}

ApiReply ListingApi::folders(ApiRequest &request)
{
    QJsonArray array;
    if (!request.hasQuery(QStringLiteral("id"))) {
        for (const int id : topLevelFolders(request.userId))
            array.append(json(request).folderTree(id));
        return ApiReply::json(array);
    }
    int folderId = 0;
    if (!request.queryInt(QStringLiteral("id"), &folderId))
        return ApiReply::badRequest(QStringLiteral("The folder id is not a number"));
    if (!state().folders.contains(folderId))
        return ApiReply::notFound(QStringLiteral("Folder %1 not found").arg(folderId));
    if (!state().canRead(request.userId, EntityKind::Directory, folderId))
        return ApiReply::forbidden();
    array.append(json(request).folderTree(folderId));
    return ApiReply::json(array);
}

ApiReply ListingApi::documents(ApiRequest &request)
{
    const QList<int> folderIds = jsonIds(request.json().object().value(QStringLiteral("Ids")));
    if (folderIds.isEmpty())
        return ApiReply::badRequest(QStringLiteral("\"Ids\" must name at least one folder"));
    const SectionView view(state(), request.userId);
    QJsonArray items;
    for (const int folderId : folderIds) {
        if (!state().folders.contains(folderId))
            return ApiReply::notFound(QStringLiteral("Folder %1 not found").arg(folderId));
        if (!state().canRead(request.userId, EntityKind::Directory, folderId))
            return ApiReply::forbidden();
        for (const int documentId : view.documents(folderId))
            items.append(json(request).document(documentId, view.shownParent(folderId)));
    }
    return ApiReply::json(QJsonObject{{QStringLiteral("Items"), items}, {QStringLiteral("Total"), items.size()}});
}

ApiReply ListingApi::search(ApiRequest &request)
{
    const QString text = request.queryValue(QStringLiteral("text")).trimmed();
    if (text.isEmpty())
        return ApiReply::badRequest(QStringLiteral("The search text is empty"));
    int scope = 0;
    if (request.hasQuery(QStringLiteral("id")) && !request.queryInt(QStringLiteral("id"), &scope))
        return ApiReply::badRequest(QStringLiteral("The folder id is not a number"));
    if (scope > 0 && !state().canRead(request.userId, EntityKind::Directory, scope))
        return state().folders.contains(scope) ? ApiReply::forbidden() : ApiReply::notFound(QStringLiteral("Folder %1 not found").arg(scope));

    const auto matches = [&](int containerId, const QString &name) {
        return name.contains(text, Qt::CaseInsensitive) && !state().isInTrash(containerId)
            && (scope <= 0 || state().isAncestor(scope, containerId));
    };
    const EntityJson entities = json(request);
    QJsonArray folders;
    for (const FolderRecord &folder : state().folders) {
        if (folder.parentId != 0 && folder.id != scope && matches(folder.id, folder.name)
            && state().canRead(request.userId, EntityKind::Directory, folder.id)) {
            QJsonObject object = entities.folder(folder.id);
            object.insert(QStringLiteral("Parent"), entities.parentChain(folder.parentId));
            folders.append(object);
        }
    }
    QJsonArray documents;
    for (const DocumentRecord &document : state().documents) {
        if (matches(document.directoryId, document.name) && state().canRead(request.userId, EntityKind::Document, document.id)) {
            QJsonObject object = entities.document(document.id);
            object.insert(QStringLiteral("Parent"), entities.parentChain(document.directoryId));
            documents.append(object);
        }
    }
    return ApiReply::json(QJsonObject{{QStringLiteral("Directory"), QJsonObject{{QStringLiteral("Items"), folders}}},
                                      {QStringLiteral("Document"), QJsonObject{{QStringLiteral("Items"), documents}}}});
}

ApiReply ListingApi::documentInfo(ApiRequest &request)
{
    int documentId = 0;
    ApiReply refusal;
    if (!readableFromQuery(request, QStringLiteral("Id"), EntityKind::Document, &documentId, &refusal))
        return refusal;
    QJsonObject object = json(request).document(documentId);
    object.insert(QStringLiteral("Owner"), json(request).user(state().documents[documentId].ownerId));
    object.insert(QStringLiteral("Parent"), json(request).parentChain(state().documents[documentId].directoryId));
    return ApiReply::json(object);
}

ApiReply ListingApi::users(ApiRequest &request)
{
    QJsonArray array;
    for (const int userId : jsonIds(request.json().object().value(QStringLiteral("Ids")))) {
        if (state().users.contains(userId))
            array.append(json(request).user(userId));
    }
    return ApiReply::json(array);
}
