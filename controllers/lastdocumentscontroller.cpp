#include "lastdocumentscontroller.h"

#include "workers/getdocumentsworker.h"

LastDocumentsController::LastDocumentsController(QObject *parent)
    : CachedFolderPage(parent)
{
}

QString LastDocumentsController::cacheQuery() const
{
    return QStringLiteral("SELECT * from last_documents");
}

void LastDocumentsController::loadFoldersAndFiles(int folderId)
{
    if (!m_worker)
        m_worker = new GetDocumentsWorker(m_dao, this);
    followLoad("Loading last documents...", m_worker);
    m_worker->getDocumentsFromServer(folderId, DirectoryType::LastDocuments);
}
