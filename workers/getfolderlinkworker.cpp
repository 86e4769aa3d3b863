#include "getfolderlinkworker.h"

#include "requests/getfolderlinkrequest.h"
#include "workers/requestoutcome.h"

#include <QDebug>

GetFolderLinkWorker::GetFolderLinkWorker(QObject *parent)
    : Worker(nullptr, nullptr, parent)
{
}

void GetFolderLinkWorker::getFolderLink(int id, DocumentLink::LifeTime lifeTime, DocumentLink::AccessType access,
                                        EntityTypes::EntityType type)
{
    m_latest.start(this, new GetFolderLinkRequest(id, lifeTime, access, type), &GetFolderLinkWorker::handleFolderLink);
}

void GetFolderLinkWorker::handleFolderLink(const QVariantMap &result)
{
    const bool success = RequestOutcome::succeeded(result);
    const QString link = result.value(QStringLiteral("link")).toString();
    const QString uri = result.value(QStringLiteral("uri")).toString();
    const QString uid = result.value(QStringLiteral("uid")).toString();
    qInfo() << "success" << success << "link" << link << "uri" << uri << "uid" << uid;
    if (!success) {
        emit workFinished(false, RequestOutcome::failureMessage(result));
        return;
    }
    emit workFinished(true);
    emit uriReady(link, uri, uid);
}
