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
    // The document or folder a query value names, when the user may read it;
    // otherwise false with the refusal (400, 404 or 403).
    bool readableFromQuery(const ApiRequest &request, const QString &key, int entityType, int *id, ApiReply *refusal) const
    {
        if (!request.queryInt(key, id)) {
            *refusal = ApiReply::badRequest(QStringLiteral("\"%1\" must be a number").arg(key));
            return false;
        }
        const bool exists = entityType == EntityKind::Document ? state().documents.contains(*id) : state().folders.contains(*id);
        if (!exists) {
            *refusal = ApiReply::notFound(QStringLiteral("%1 %2 not found")
                                              .arg(entityType == EntityKind::Document ? QStringLiteral("Document") : QStringLiteral("Folder"))
                                              .arg(*id));
            return false;
        }
        if (!state().canRead(request.userId, entityType, *id)) {
            *refusal = ApiReply::forbidden();
            return false;
        }
        return true;
    }
    EntityJson json(const ApiRequest &request) const { return EntityJson(m_context->state, request.userId); }
    // The document server address the portal reports; served by this process.
    static QString documentServerUrl(const ApiRequest &request) { return request.baseUrl + QStringLiteral("/docserver"); }

    PortalContext *m_context;
};
