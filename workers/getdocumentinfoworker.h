#pragma once

#include "workers/latestrequest.h"
#include "workers/worker.h"

#include <QVariantMap>

// The portal's description of one document.
class GetDocumentInfoWorker : public Worker
{
    Q_OBJECT
public:
    explicit GetDocumentInfoWorker(QObject *parent = nullptr);

    void getDocumentInfo(int documentId);

signals:
    // Empty when the document could not be read.
    void infoReady(const QVariantMap &info);

public slots:
    void handleDocumentInfo(const QVariantMap &response);

private:
    LatestRequest m_requests;
};
