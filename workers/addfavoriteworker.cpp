#include "addfavoriteworker.h"

#include "database/dataaccessobject.h"
#include "requests/addfavoriterequest.h"

AddFavoriteWorker::AddFavoriteWorker(DataAccessObject *dao, int documentId, const QString &documentName,
                                     DirectoryType::RootDirectoryTypes root, QObject *parent)
    : OperationWorker(dao, root, parent)
    , m_documentId(documentId)
    , m_documentName(documentName)
{
}

void AddFavoriteWorker::startWork()
{
    markFilesBusy({m_documentId});
    runRequest(new AddFavoriteRequest(m_documentId), &AddFavoriteWorker::handleAddFavoriteRequest);
}

void AddFavoriteWorker::handleAddFavoriteRequest(const QVariantMap &result)
{
    if (isFinished())
        return;
    clearBusy();
    if (!succeeded(result)) {
        fail(tr("Error adding file to favorites %1").arg(m_documentName), result);
        return;
    }
    // The call inverts the current state it is given.
    m_dao->toggleFavorite(m_documentId, false);
    succeed(tr("File %1 already added to favorites").arg(m_documentName), m_documentName);
}
