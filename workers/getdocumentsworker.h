#pragma once

#include "workers/abstractloadentriesworker.h"

// Loads the documents of one folder or section (no folders); start with
// getDocumentsFromServer.
class GetDocumentsWorker : public AbstractLoadEntriesWorker
{
    Q_OBJECT
public:
    explicit GetDocumentsWorker(DataAccessObject *dao, QObject *parent = nullptr);

public slots:
    void handleGetDocumentsRequest(const QVariantMap &response) override;
};
