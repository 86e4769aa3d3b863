#pragma once

#include "workers/infoworker.h"

// The portal's description of one document.
class GetDocumentInfoWorker : public InfoWorker
{
    Q_OBJECT
public:
    explicit GetDocumentInfoWorker(QObject *parent = nullptr);

    void getDocumentInfo(int documentId);

public slots:
    void handleDocumentInfo(const QVariantMap &response);
};
