#pragma once

#include "simulator/endpointgroup.h"

// The test side's handle on the simulator under /__control/: faults, reset,
// recorded requests, tokens, server tasks and a dump of the state.
class ControlApi : public EndpointGroup
{
public:
    using EndpointGroup::EndpointGroup;
    void addRoutes(Router *router) override;

private:
    ApiReply addFault(ApiRequest &request);
    ApiReply listFaults(ApiRequest &request);
    ApiReply clear(ApiRequest &request);
    ApiReply release(ApiRequest &request);
    ApiReply reset(ApiRequest &request);
    ApiReply requests(ApiRequest &request);
    ApiReply clearRequests(ApiRequest &request);
    ApiReply expireTokens(ApiRequest &request);
    ApiReply tokenLifetime(ApiRequest &request);
    ApiReply tasks(ApiRequest &request);
    ApiReply dumpState(ApiRequest &request);
    ApiReply ping(ApiRequest &request);

    static ApiReply ok(QJsonObject object = {});
    static ApiReply refused(const QString &message);
    QJsonObject stateJson() const;
};
