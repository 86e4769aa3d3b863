#include "renamerequest.h"

#include "requests/apipath.h"

RenameRequest::RenameRequest(const QString &endpoint, int id, const QString &newName, QObject *parent)
    : JsonRequest(parent)
    , m_endpoint(endpoint)
    , m_id(id)
    , m_newName(newName)
{
}

NetworkReplyHandler RenameRequest::sendRename() const
{
    // Percent-encoded, so "&", "#" or "+" in a name stay part of it.
    return get(ApiPath::v1(m_endpoint).query(QStringLiteral("id"), m_id).query(QStringLiteral("name"), m_newName).toString());
}
