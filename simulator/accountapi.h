#pragma once

#include "simulator/endpointgroup.h"

// Sign-in, token refresh, registration, password recovery, server settings
// and support feedback.
class AccountApi : public EndpointGroup
{
public:
    using EndpointGroup::EndpointGroup;
    void addRoutes(Router *router) override;

private:
    ApiReply login(ApiRequest &request);
    ApiReply refresh(ApiRequest &request);
    ApiReply registerUser(ApiRequest &request);
    ApiReply forgot(ApiRequest &request);
    ApiReply settings(ApiRequest &request);
    ApiReply feedback(ApiRequest &request);

    static QJsonObject tokens(const TokenStore::Pair &pair);
};
