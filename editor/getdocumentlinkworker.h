#pragma once

#include "models/entitytypes.h"
#include "requests/documentlink.h"
#include "workers/latestrequest.h"
#include "workers/worker.h"

#include <QVariantMap>

// Generates a share link of a document for the access settings dialog.
class GetDocumentLinkWorker : public Worker
{
    Q_OBJECT
public:
    explicit GetDocumentLinkWorker(QObject *parent = nullptr);

    void getDocumentCustomLink(int documentId, DocumentLink::LifeTime lifeTime, DocumentLink::AccessType accessType,
                               EntityTypes::EntityType type);

signals:
    void uriReady(const QString &link, const QString &uri, const QString &uid, int version, const QString &userId,
                  const QString &jwt);

public slots:
    void handleDocumentLink(const QVariantMap &result);

private:
    LatestRequest m_latest;
};
