#pragma once

#include "simulator/apimessage.h"
#include "simulator/entityjson.h"
#include "simulator/portalcontext.h"
#include "simulator/router.h"

// Base of the endpoint families: shared access to the context and the route
// registration boilerplate.
class EndpointGroup
{
public:
    explicit EndpointGroup(PortalContext *context) : m_context(context) {}
    virtual ~EndpointGroup() = default;
    virtual void addRoutes(Router *router) = 0;

protected:
    template <class Group>
    void add(Router *router, const char *method, const QString &path, Router::Access access,
             ApiReply (Group::*handler)(ApiRequest &))
    {
        Group *self = static_cast<Group *>(this);
        router->add(QString::fromLatin1(method), path, access,
                    [self, handler](ApiRequest &request) { return (self->*handler)(request); });
    }
    static QString v1(const char *endpoint) { return QStringLiteral("/api/v1/") + QString::fromLatin1(endpoint); }
    static QString v2(const char *endpoint) { return QStringLiteral("/api/v2/") + QString::fromLatin1(endpoint); }

    PortalState &state() const { return m_context->state; }
    EntityJson json(const ApiRequest &request) const { return EntityJson(m_context->state, request.userId); }
    // The document server address the portal reports; served by this process.
    static QString documentServerUrl(const ApiRequest &request) { return request.baseUrl + QStringLiteral("/docserver"); }

    PortalContext *m_context;
};
