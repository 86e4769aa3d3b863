#include "simulator/operationsapi.h"

#include "simulator/democontent.h"

namespace {
const QString s_noFolder = QStringLiteral("Folder %1 not found");
const QString s_noDocument = QStringLiteral("Document %1 not found");

QList<int> idsOf(const ApiRequest &request)
{
    return jsonIds(request.json().object().value(QStringLiteral("Ids")));
}

int destinationOf(const ApiRequest &request)
{
    return request.json().object().value(QStringLiteral("ToDirectoryId")).toInt();
}
} // namespace

void OperationsApi::addRoutes(Router *router)
{
    const auto signedIn = Router::Access::SignedIn;
    add(router, "POST", v1("Documents/Create"), signedIn, &OperationsApi::createDocument);
    add(router, "POST", v1("DocumentDirectory/AddSubDirectory"), signedIn, &OperationsApi::createFolder);
    add(router, "GET", v1("Documents/Rename"), signedIn, &OperationsApi::renameDocument);
    add(router, "GET", v1("DocumentDirectory/Rename"), signedIn, &OperationsApi::renameFolder);
    add(router, "POST", v1("Documents/Move"), signedIn, &OperationsApi::moveDocuments);
    add(router, "POST", v1("Documents/Copy"), signedIn, &OperationsApi::copyDocuments);
    add(router, "POST", v1("DocumentDirectory/Move"), signedIn, &OperationsApi::moveFolders);
    add(router, "POST", v1("DocumentDirectory/Copy"), signedIn, &OperationsApi::copyFolders);
    add(router, "POST", v1("DocumentDirectory/Restore"), signedIn, &OperationsApi::restoreFolders);
    add(router, "POST", v1("Documents/Restore"), signedIn, &OperationsApi::restoreDocuments);
    add(router, "POST", v1("Documents/Delete"), signedIn, &OperationsApi::deleteDocuments);
    add(router, "POST", v1("DocumentDirectory/Delete"), signedIn, &OperationsApi::deleteFolders);
    add(router, "GET", v1("DocumentDirectory/Clear"), signedIn, &OperationsApi::clearFolder);
    add(router, "POST", v1("Favorites/Add"), signedIn, &OperationsApi::addFavorites);
    add(router, "POST", v1("Favorites/Delete"), signedIn, &OperationsApi::removeFavorites);
    add(router, "DELETE", v1("Favorites/Delete"), signedIn, &OperationsApi::clearFavorites);
    add(router, "POST", v1("DocumentDirectory/Conflict"), signedIn, &OperationsApi::checkConflict);
}

OperationsApi::Check OperationsApi::nameCheck(const QString &name)
{
    if (name.trimmed().isEmpty())
        return refuse(ApiReply::badRequest(QStringLiteral("The name is empty")));
    if (name.size() > 255)
        return refuse(ApiReply::badRequest(QStringLiteral("The name is longer than 255 characters")));
    for (const QChar character : name) {
        if (character == QLatin1Char('/') || character == QLatin1Char('\\') || character.category() == QChar::Other_Control)
            return refuse(ApiReply::badRequest(QStringLiteral("The name contains a character that is not allowed")));
    }
    return Check();
}

OperationsApi::Check OperationsApi::destinationCheck(int userId, int folderId) const
{
    if (!state().folders.contains(folderId))
        return refuse(ApiReply::notFound(s_noFolder.arg(folderId)));
    if (!state().acceptsContent(userId, folderId))
        return refuse(ApiReply::error(403, QStringLiteral("Folder %1 does not accept new entries").arg(folderId)));
    return Check();
}

OperationsApi::Check OperationsApi::documentsCheck(int userId, const QList<int> &ids, bool write) const
{
    if (ids.isEmpty())
        return refuse(ApiReply::badRequest(QStringLiteral("\"Ids\" is empty")));
    for (const int id : ids) {
        if (!state().documents.contains(id))
            return refuse(ApiReply::notFound(s_noDocument.arg(id)));
        if (write ? !state().canWrite(userId, EntityKind::Document, id) : !state().canRead(userId, EntityKind::Document, id))
            return refuse(ApiReply::forbidden());
    }
    return Check();
}

OperationsApi::Check OperationsApi::foldersCheck(int userId, const QList<int> &ids) const
{
    if (ids.isEmpty())
        return refuse(ApiReply::badRequest(QStringLiteral("\"Ids\" is empty")));
    for (const int id : ids) {
        if (!state().folders.contains(id))
            return refuse(ApiReply::notFound(s_noFolder.arg(id)));
        if (state().isRoot(id))
            return refuse(ApiReply::badRequest(QStringLiteral("A section folder cannot be changed")));
        if (!state().canWrite(userId, EntityKind::Directory, id))
            return refuse(ApiReply::forbidden());
    }
    return Check();
}

bool OperationsApi::parseRule(const QJsonObject &body, Rule *rule)
{
    const QString text = body.value(QStringLiteral("Rule")).toString();
    if (text == QLatin1String("Overwrite"))
        *rule = Rule::Overwrite;
    else if (text == QLatin1String("Skip"))
        *rule = Rule::Skip;
    else if (text == QLatin1String("Copy"))
        *rule = Rule::Copy;
    else
        return false;
    return true;
}

ApiReply OperationsApi::task(int userId, const QString &kind, ServerTasks::Action action)
{
    const int taskId = m_context->tasks.create(userId, kind, std::move(action));
    return ApiReply::json(QJsonObject{{QStringLiteral("TaskId"), taskId}});
}

bool OperationsApi::placeFolder(int folderId, int parentId, Rule rule)
{
    const int existing = state().folderNamed(parentId, state().folders[folderId].name, folderId);
    if (existing != 0) {
        if (rule == Rule::Skip)
            return false;
        // Overwriting a folder that holds the moved one would delete it too.
        if (rule == Rule::Overwrite && !state().isAncestor(existing, folderId))
            state().deleteFolderTree(existing);
        else
            state().folders[folderId].name = state().freeFolderName(parentId, state().folders[folderId].name, folderId);
    }
    FolderRecord &folder = state().folders[folderId];
    folder.parentId = parentId;
    folder.modified = QDateTime::currentDateTimeUtc();
    return true;
}

void OperationsApi::moveDocumentTo(int documentId, int folderId)
{
    DocumentRecord &document = state().documents[documentId];
    document.name = state().freeDocumentName(folderId, document.name, documentId);
    document.directoryId = folderId;
    document.modified = QDateTime::currentDateTimeUtc();
}

void OperationsApi::moveFolderToTrash(int folderId, int userId)
{
    const int trashId = state().rootFolder(userId, FolderType::Trash);
    FolderRecord &folder = state().folders[folderId];
    folder.name = state().freeFolderName(trashId, folder.name, folderId);
    folder.parentId = trashId;
}

ApiReply OperationsApi::createDocument(ApiRequest &request)
{
    const QJsonObject body = request.json().object();
    const QString name = body.value(QStringLiteral("Name")).toString().trimmed();
    const int folderId = body.value(QStringLiteral("DirectoryId")).toInt();
    for (const Check &check : {nameCheck(name), destinationCheck(request.userId, folderId)}) {
        if (!check.ok)
            return check.reply;
    }
    const QString freeName = state().freeDocumentName(folderId, name);
    const int documentId = state().createDocument(folderId, freeName, request.userId, DemoContent::bytesFor(freeName, QString()));
    return ApiReply::json(QJsonArray{json(request).document(documentId)});
}

ApiReply OperationsApi::createFolder(ApiRequest &request)
{
    const QJsonObject body = request.json().object();
    const QString name = body.value(QStringLiteral("Name")).toString().trimmed();
    const int parentId = body.value(QStringLiteral("ParentId")).toInt();
    for (const Check &check : {nameCheck(name), destinationCheck(request.userId, parentId)}) {
        if (!check.ok)
            return check.reply;
    }
    if (state().folderNamed(parentId, name) != 0)
        return ApiReply::error(409, QStringLiteral("A folder named %1 already exists").arg(name));
    const int type = body.value(QStringLiteral("Type")).toString() == QLatin1String("Public") ? FolderType::Public : FolderType::Default;
    const int folderId = state().createFolder(parentId, name, request.userId, type);
    state().folders[folderId].description = body.value(QStringLiteral("Description")).toString();
    state().folders[folderId].order = body.value(QStringLiteral("Order")).toInt(100);
    return ApiReply::json(json(request).folder(folderId));
}

ApiReply OperationsApi::renameDocument(ApiRequest &request)
{
    int id = 0;
    request.queryInt(QStringLiteral("id"), &id);
    const QString name = request.queryValue(QStringLiteral("name")).trimmed();
    for (const Check &check : {documentsCheck(request.userId, {id}, true), nameCheck(name)}) {
        if (!check.ok)
            return check.reply;
    }
    DocumentRecord &document = state().documents[id];
    if (state().documentNamed(document.directoryId, name, id) != 0)
        return ApiReply::error(409, QStringLiteral("A document named %1 already exists").arg(name));
    document.name = name;
    document.mimeType = DemoContent::mimeTypeOf(name);
    document.modified = QDateTime::currentDateTimeUtc();
    state().touch(id);
    return ApiReply::json(json(request).document(id));
}

ApiReply OperationsApi::renameFolder(ApiRequest &request)
{
    int id = 0;
    request.queryInt(QStringLiteral("id"), &id);
    const QString name = request.queryValue(QStringLiteral("name")).trimmed();
    for (const Check &check : {foldersCheck(request.userId, {id}), nameCheck(name)}) {
        if (!check.ok)
            return check.reply;
    }
    FolderRecord &folder = state().folders[id];
    if (state().folderNamed(folder.parentId, name, id) != 0)
        return ApiReply::error(409, QStringLiteral("A folder named %1 already exists").arg(name));
    folder.name = name;
    folder.modified = QDateTime::currentDateTimeUtc();
    return ApiReply::json(json(request).folder(id));
}

ApiReply OperationsApi::moveDocuments(ApiRequest &request)
{
    const QList<int> ids = idsOf(request);
    const int destination = destinationOf(request);
    for (const Check &check : {documentsCheck(request.userId, ids, true), destinationCheck(request.userId, destination)}) {
        if (!check.ok)
            return check.reply;
    }
    for (const int id : ids) {
        if (state().documents[id].directoryId != destination)
            moveDocumentTo(id, destination);
    }
    return ApiReply::plainTrue();
}

ApiReply OperationsApi::copyDocuments(ApiRequest &request)
{
    const QList<int> ids = idsOf(request);
    const int destination = destinationOf(request);
    for (const Check &check : {documentsCheck(request.userId, ids, false), destinationCheck(request.userId, destination)}) {
        if (!check.ok)
            return check.reply;
    }
    QJsonArray copies;
    for (const int id : ids)
        copies.append(json(request).document(state().copyDocument(id, destination, request.userId)));
    return ApiReply::json(copies);
}

ApiReply OperationsApi::moveFolders(ApiRequest &request)
{
    const QList<int> ids = idsOf(request);
    const int destination = destinationOf(request);
    Rule rule = Rule::Copy;
    if (!parseRule(request.json().object(), &rule))
        return ApiReply::badRequest(QStringLiteral("\"Rule\" must be Overwrite, Skip or Copy"));
    for (const Check &check : {foldersCheck(request.userId, ids), destinationCheck(request.userId, destination)}) {
        if (!check.ok)
            return check.reply;
    }
    for (const int id : ids) {
        if (state().isAncestor(id, destination))
            return ApiReply::badRequest(QStringLiteral("A folder cannot be moved into itself"));
    }
    return task(request.userId, QStringLiteral("move"), [this, ids, destination, rule] {
        if (!state().folders.contains(destination))
            return ServerTasks::Outcome{false, s_noFolder.arg(destination), 0};
        for (const int id : ids) {
            if (state().folders.contains(id) && state().folders[id].parentId != destination && !state().isAncestor(id, destination))
                placeFolder(id, destination, rule);
        }
        return ServerTasks::Outcome();
    });
}

ApiReply OperationsApi::copyFolders(ApiRequest &request)
{
    const QList<int> ids = idsOf(request);
    const int destination = destinationOf(request);
    const int userId = request.userId;
    Rule rule = Rule::Copy;
    if (!parseRule(request.json().object(), &rule))
        return ApiReply::badRequest(QStringLiteral("\"Rule\" must be Overwrite, Skip or Copy"));
    for (const int id : ids) {
        if (!state().folders.contains(id))
            return ApiReply::notFound(s_noFolder.arg(id));
        if (state().isRoot(id) || !state().canRead(userId, EntityKind::Directory, id))
            return ApiReply::forbidden();
        if (state().isAncestor(id, destination))
            return ApiReply::badRequest(QStringLiteral("A folder cannot be copied into itself"));
    }
    const Check target = destinationCheck(userId, destination);
    if (ids.isEmpty() || !target.ok)
        return ids.isEmpty() ? ApiReply::badRequest(QStringLiteral("\"Ids\" is empty")) : target.reply;
    return task(userId, QStringLiteral("copy"), [this, ids, destination, rule, userId] {
        if (!state().folders.contains(destination))
            return ServerTasks::Outcome{false, s_noFolder.arg(destination), 0};
        for (const int id : ids) {
            if (!state().folders.contains(id))
                continue;
            const QString name = state().folders[id].name;
            const int existing = state().folderNamed(destination, name);
            QString copyName = name;
            if (existing != 0) {
                if (rule == Rule::Skip)
                    continue;
                // Overwriting the source with its own copy would lose it.
                if (rule == Rule::Overwrite && existing != id)
                    state().deleteFolderTree(existing);
                else
                    copyName = state().freeFolderName(destination, name);
            }
            state().copyFolderTree(id, destination, copyName, userId);
        }
        return ServerTasks::Outcome();
    });
}

ApiReply OperationsApi::restoreFolders(ApiRequest &request)
{
    const QList<int> ids = idsOf(request);
    Rule rule = Rule::Copy;
    if (!parseRule(request.json().object(), &rule))
        return ApiReply::badRequest(QStringLiteral("\"Rule\" must be Overwrite, Skip or Copy"));
    int destination = destinationOf(request);
    if (destination <= 0)
        destination = state().rootFolder(request.userId, FolderType::MyDocuments);
    for (const Check &check : {foldersCheck(request.userId, ids), destinationCheck(request.userId, destination)}) {
        if (!check.ok)
            return check.reply;
    }
    for (const int id : ids) {
        if (!state().isInTrash(id))
            return ApiReply::badRequest(QStringLiteral("Folder %1 is not in the trash").arg(id));
    }
    for (const int id : ids)
        placeFolder(id, destination, rule);
    return ApiReply::plainTrue();
}

ApiReply OperationsApi::restoreDocuments(ApiRequest &request)
{
    const QList<int> ids = idsOf(request);
    int destination = destinationOf(request);
    if (destination <= 0)
        destination = state().rootFolder(request.userId, FolderType::MyDocuments);
    for (const Check &check : {documentsCheck(request.userId, ids, true), destinationCheck(request.userId, destination)}) {
        if (!check.ok)
            return check.reply;
    }
    for (const int id : ids) {
        if (!state().isInTrash(state().documents[id].directoryId))
            return ApiReply::badRequest(QStringLiteral("Document %1 is not in the trash").arg(id));
    }
    for (const int id : ids)
        moveDocumentTo(id, destination);
    return ApiReply::plainTrue();
}

ApiReply OperationsApi::deleteDocuments(ApiRequest &request)
{
    const QList<int> ids = idsOf(request);
    const Check check = documentsCheck(request.userId, ids, true);
    if (!check.ok)
        return check.reply;
    const int trashId = state().rootFolder(request.userId, FolderType::Trash);
    for (const int id : ids) {
        if (state().isInTrash(state().documents[id].directoryId))
            state().deleteDocument(id);
        else
            moveDocumentTo(id, trashId);
    }
    return ApiReply::plainTrue();
}

ApiReply OperationsApi::deleteFolders(ApiRequest &request)
{
    const QList<int> ids = idsOf(request);
    const int userId = request.userId;
    const Check check = foldersCheck(userId, ids);
    if (!check.ok)
        return check.reply;
    return task(userId, QStringLiteral("delete"), [this, ids, userId] {
        for (const int id : ids) {
            if (!state().folders.contains(id))
                continue;
            if (state().isInTrash(id))
                state().deleteFolderTree(id);
            else
                moveFolderToTrash(id, userId);
        }
        return ServerTasks::Outcome();
    });
}

ApiReply OperationsApi::clearFolder(ApiRequest &request)
{
    int folderId = 0;
    request.queryInt(QStringLiteral("id"), &folderId);
    const int userId = request.userId;
    if (!state().folders.contains(folderId))
        return ApiReply::notFound(s_noFolder.arg(folderId));
    if (!state().canWrite(userId, EntityKind::Directory, folderId))
        return ApiReply::forbidden();
    return task(userId, QStringLiteral("clear"), [this, folderId, userId] {
        if (!state().folders.contains(folderId))
            return ServerTasks::Outcome{false, s_noFolder.arg(folderId), 0};
        const bool permanent = state().isInTrash(folderId);
        const int trashId = state().rootFolder(userId, FolderType::Trash);
        for (const int id : state().childFolders(folderId)) {
            if (permanent)
                state().deleteFolderTree(id);
            else
                moveFolderToTrash(id, userId);
        }
        for (const int id : state().childDocuments(folderId)) {
            if (permanent)
                state().deleteDocument(id);
            else
                moveDocumentTo(id, trashId);
        }
        return ServerTasks::Outcome();
    });
}

ApiReply OperationsApi::setFavorites(ApiRequest &request, bool favorite)
{
    const QJsonObject body = request.json().object();
    const QList<int> ids = jsonIds(body.value(QStringLiteral("EntityIds")));
    if (body.value(QStringLiteral("Type")).toString(QStringLiteral("Document")) != QLatin1String("Document"))
        return ApiReply::badRequest(QStringLiteral("Only documents can be favorites"));
    const Check check = documentsCheck(request.userId, ids, false);
    if (!check.ok)
        return check.reply;
    for (const int id : ids) {
        if (favorite)
            state().documents[id].favoriteOf.insert(request.userId);
        else
            state().documents[id].favoriteOf.remove(request.userId);
    }
    return ApiReply::plainTrue();
}

ApiReply OperationsApi::clearFavorites(ApiRequest &request)
{
    if (request.queryValue(QStringLiteral("type")) != QLatin1String("Document"))
        return ApiReply::badRequest(QStringLiteral("Only document favorites can be cleared"));
    for (DocumentRecord &document : state().documents)
        document.favoriteOf.remove(request.userId);
    return ApiReply::plainTrue();
}

ApiReply OperationsApi::checkConflict(ApiRequest &request)
{
    const QList<int> ids = idsOf(request);
    const int destination = destinationOf(request);
    if (!state().folders.contains(destination))
        return ApiReply::notFound(s_noFolder.arg(destination));
    bool conflict = false;
    for (const int id : ids) {
        if (!state().folders.contains(id))
            return ApiReply::notFound(s_noFolder.arg(id));
        conflict = conflict || state().folderNamed(destination, state().folders[id].name, id) != 0;
    }
    return ApiReply::json(QJsonObject{{QStringLiteral("Conflict"), conflict}});
}
