#include "getfoldersworker.h"

GetFoldersWorker::GetFoldersWorker(DataAccessObject *dao, QObject *parent)
    : AbstractLoadEntriesWorker(dao, DataAccessObject::ListingScope::FoldersOnly, parent)
{
}

void GetFoldersWorker::handleGetFoldersRequest(const QVariantMap &response)
{
    if (endOnFailure(response))
        return;
    addFolders(response.value(QStringLiteral("folders")).toList());
    storeListing(response);
}
