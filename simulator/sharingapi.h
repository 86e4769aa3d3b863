#pragma once

#include "simulator/endpointgroup.h"

// Access lists and share links of documents and folders, the customer's
// roles and the user search.
class SharingApi : public EndpointGroup
{
public:
    using EndpointGroup::EndpointGroup;
    void addRoutes(Router *router) override;

private:
    ApiReply shareDocument(ApiRequest &request) { return shareSingle(request, EntityKind::Document, true); }
    ApiReply unshareDocument(ApiRequest &request) { return shareSingle(request, EntityKind::Document, false); }
    ApiReply shareFolder(ApiRequest &request) { return shareSingle(request, EntityKind::Directory, true); }
    ApiReply unshareFolder(ApiRequest &request) { return shareSingle(request, EntityKind::Directory, false); }
    ApiReply shareDocumentBulk(ApiRequest &request) { return shareBulk(request, EntityKind::Document, true); }
    ApiReply unshareDocumentBulk(ApiRequest &request) { return shareBulk(request, EntityKind::Document, false); }
    ApiReply shareFolderBulk(ApiRequest &request) { return shareBulk(request, EntityKind::Directory, true); }
    ApiReply unshareFolderBulk(ApiRequest &request) { return shareBulk(request, EntityKind::Directory, false); }
    ApiReply shareInfo(ApiRequest &request);
    ApiReply generateLink(ApiRequest &request);
    ApiReply linkInfo(ApiRequest &request);
    ApiReply deleteLink(ApiRequest &request);
    ApiReply roles(ApiRequest &request);
    ApiReply searchUsers(ApiRequest &request);

    ApiReply shareSingle(ApiRequest &request, int entityType, bool grant);
    ApiReply shareBulk(ApiRequest &request, int entityType, bool grant);
    // True when the user may share the entity; otherwise the refusal.
    bool mayShare(int userId, int entityType, int id, ApiReply *refusal) const;
    static bool accessLevel(const QString &text, int *level);
    static void setRight(QList<AccessRight> *rights, int principalId, int level, bool grant);
    static QJsonArray rightsJson(const QList<AccessRight> &rights, int entityType, int id);
    QJsonObject linkJson(const LinkRecord &link, const ApiRequest &request) const;
    const LinkRecord *findLink(const QString &uid) const;
};
