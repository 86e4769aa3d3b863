#pragma once

#include "simulator/endpointgroup.h"

// Changes to the tree: create, rename, move, copy, trash, delete, restore,
// clear, favorites and the name-conflict check. Folder move, copy, delete
// and clear run as server tasks.
class OperationsApi : public EndpointGroup
{
public:
    using EndpointGroup::EndpointGroup;
    void addRoutes(Router *router) override;

    // What to do when the destination holds a folder of the same name.
    enum class Rule { Overwrite, Skip, Copy };

private:
    ApiReply createDocument(ApiRequest &request);
    ApiReply createFolder(ApiRequest &request);
    ApiReply renameDocument(ApiRequest &request);
    ApiReply renameFolder(ApiRequest &request);
    ApiReply moveDocuments(ApiRequest &request);
    ApiReply copyDocuments(ApiRequest &request);
    ApiReply moveFolders(ApiRequest &request);
    ApiReply copyFolders(ApiRequest &request);
    ApiReply restoreFolders(ApiRequest &request);
    ApiReply restoreDocuments(ApiRequest &request);
    ApiReply deleteDocuments(ApiRequest &request);
    ApiReply deleteFolders(ApiRequest &request);
    ApiReply clearFolder(ApiRequest &request);
    ApiReply addFavorites(ApiRequest &request) { return setFavorites(request, true); }
    ApiReply removeFavorites(ApiRequest &request) { return setFavorites(request, false); }
    ApiReply setFavorites(ApiRequest &request, bool favorite);
    ApiReply clearFavorites(ApiRequest &request);
    ApiReply checkConflict(ApiRequest &request);

    // Validation shared by the handlers; an empty reply body means valid.
    struct Check
    {
        bool ok = true;
        ApiReply reply;
    };
    static Check refuse(const ApiReply &reply) { return Check{false, reply}; }
    static Check nameCheck(const QString &name);
    Check destinationCheck(int userId, int folderId) const;
    Check documentsCheck(int userId, const QList<int> &ids, bool write) const;
    Check foldersCheck(int userId, const QList<int> &ids) const;
    static bool parseRule(const QJsonObject &body, Rule *rule);

    // Puts a folder into a parent under the rule; false when skipped.
    bool placeFolder(int folderId, int parentId, Rule rule);
    void moveDocumentTo(int documentId, int folderId);
    void moveFolderToTrash(int folderId, int userId);
    ApiReply task(int userId, const QString &kind, ServerTasks::Action action);
};
