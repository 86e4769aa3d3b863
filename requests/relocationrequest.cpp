#include "relocationrequest.h"

#include "requests/apipath.h"

#include <QJsonObject>

RelocationRequest::RelocationRequest(const QString &endpoint, const QList<int> &ids, int destinationId,
                                     QObject *parent)
    : JsonRequest(parent)
    , m_endpoint(endpoint)
    , m_ids(ids)
    , m_destinationId(destinationId)
{
}

RelocationRequest::RelocationRequest(const QString &endpoint, const QList<int> &ids, int destinationId,
                                     CopyFolderFlags::Flags rule, QObject *parent)
    : RelocationRequest(endpoint, ids, destinationId, parent)
{
    m_rule = rule;
}

NetworkReplyHandler RelocationRequest::sendRelocation() const
{
    QJsonObject body{
        {QStringLiteral("Ids"), toJsonArray(m_ids)},
        {QStringLiteral("ToDirectoryId"), m_destinationId},
    };
    if (m_rule)
        body.insert(QStringLiteral("Rule"), CopyFolderFlags::copyFlagToString(*m_rule));
    return post(ApiPath::v1(m_endpoint).toString(), body);
}

QVariantList RelocationRequest::idList() const
{
    return toVariantList(m_ids);
}
