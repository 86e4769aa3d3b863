#include "getdocumentlinkworker.h"

#include "editor/getdocumentlinkrequest.h"
#include "workers/requestoutcome.h"

#include <QDebug>

GetDocumentLinkWorker::GetDocumentLinkWorker(QObject *parent)
    : Worker(nullptr, nullptr, parent)
{
}

void GetDocumentLinkWorker::getDocumentCustomLink(int documentId, DocumentLink::LifeTime lifeTime,
                                                  DocumentLink::AccessType accessType, EntityTypes::EntityType type)
{
    m_latest.start(this, new GetDocumentLinkRequest(documentId, lifeTime, accessType, type),
                   &GetDocumentLinkWorker::handleDocumentLink);
}

void GetDocumentLinkWorker::handleDocumentLink(const QVariantMap &result)
{
    const bool success = RequestOutcome::succeeded(result);
    const QString link = result.value(QStringLiteral("link")).toString();
    const QString uri = result.value(QStringLiteral("uri")).toString();
    const QString uid = result.value(QStringLiteral("uid")).toString();
    const int version = result.value(QStringLiteral("version")).toInt();
    qInfo() << "success" << success << "link" << link << "uri" << uri << "uid" << uid << "version" << version;
    if (!success) {
        emit workFinished(false, RequestOutcome::failureMessage(result));
        return;
    }
    emit workFinished(true, link);
    emit uriReady(link, uri, uid, version, result.value(QStringLiteral("userId")).toString(),
                  result.value(QStringLiteral("jwt")).toString());
}
