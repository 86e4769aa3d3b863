#include "getdocumentsworker.h"

GetDocumentsWorker::GetDocumentsWorker(DataAccessObject *dao, QObject *parent)
    : AbstractLoadEntriesWorker(dao, DataAccessObject::ListingScope::FilesOnly, parent)
{
}

void GetDocumentsWorker::handleGetDocumentsRequest(const QVariantMap &response)
{
    if (endOnFailure(response))
        return;
    addDocuments(response.value(QStringLiteral("documents")).toList());
    storeListing(response);
}
