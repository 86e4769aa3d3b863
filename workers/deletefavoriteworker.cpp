#include "deletefavoriteworker.h"

#include "database/dataaccessobject.h"
#include "requests/deletefavoriterequest.h"

DeleteFavoriteWorker::DeleteFavoriteWorker(DataAccessObject *dao, const QList<int> &documentIds,
                                           const QList<QString> &documentNames,
                                           DirectoryType::RootDirectoryTypes root, QObject *parent)
    : OperationWorker(dao, root, parent)
    , m_documentIds(documentIds)
    , m_documentNames(documentNames)
{
}

void DeleteFavoriteWorker::startWork()
{
    markFilesBusy(m_documentIds);
    runRequest(new DeleteFavoriteRequest(m_documentIds), &DeleteFavoriteWorker::handleDeleteFavoriteRequest);
}

void DeleteFavoriteWorker::handleDeleteFavoriteRequest(const QVariantMap &result)
{
    if (isFinished())
        return;
    clearBusy();
    if (!succeeded(result)) {
        fail(textForNames(m_documentNames, tr("Error removing file %1 from favorites"),
                          tr("Error removing files %1 from favorites")),
             result);
        return;
    }
    for (int id : m_documentIds)
        m_dao->toggleFavorite(id, true);
    succeed(textForNames(m_documentNames, tr("File %1 already removed from favorites"),
                         tr("Files %1 already removed from favorites")),
            joinNames(m_documentNames));
}
