#include "movefiletotrashworker.h"

#include "database/dataaccessobject.h"
#include "requests/movetotrashfilerequest.h"

MoveFileToTrashWorker::MoveFileToTrashWorker(DataAccessObject *dao, int fileId, const QString &fileName,
                                             DirectoryType::RootDirectoryTypes root, QObject *parent)
    : OperationWorker(dao, root, parent)
    , m_fileId(fileId)
    , m_fileName(fileName)
{
}

void MoveFileToTrashWorker::startWork()
{
    markFilesBusy({m_fileId});
    runRequest(new MoveToTrashFileRequest({m_fileId}), &MoveFileToTrashWorker::handleRequest);
}

void MoveFileToTrashWorker::handleRequest(const QVariantMap &result)
{
    if (isFinished())
        return;
    clearBusy();
    if (!succeeded(result)) {
        fail((inTrash() ? tr("Error delete file %1") : tr("Error move file %1 to trash")).arg(m_fileName), result);
        return;
    }
    m_dao->deleteFile(m_fileId, m_root);
    succeed((inTrash() ? tr("File %1 already removed") : tr("File %1 already move to trash")).arg(m_fileName),
            m_fileName);
}
