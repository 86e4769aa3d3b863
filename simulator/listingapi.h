#pragma once

#include "simulator/endpointgroup.h"

// Reading the tree: folders, documents of a folder, search, one document's
// description and user records.
class ListingApi : public EndpointGroup
{
public:
    using EndpointGroup::EndpointGroup;
    void addRoutes(Router *router) override;

private:
    ApiReply folders(ApiRequest &request);
    ApiReply documents(ApiRequest &request);
    ApiReply search(ApiRequest &request);
    ApiReply documentInfo(ApiRequest &request);
    ApiReply users(ApiRequest &request);

    QList<int> topLevelFolders(int userId) const;
};
