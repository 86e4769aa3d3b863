#include "actionscontroller.h"

#include "workers/operationworker.h"

#include <QThreadPool>

ActionsController::ActionsController(QObject *parent)
    : ConnectionController(parent)
{
}

void ActionsController::setFolderType(DirectoryType::RootDirectoryTypes folderType)
{
    if (m_folderType == folderType)
        return;
    m_folderType = folderType;
    emit folderTypeChanged();
}

void ActionsController::handleWork(bool success, const QString &data)
{
    endOperation(success, data);
    if (success)
        emit needUpdate();
}

void ActionsController::start(RunnableWorker *worker)
{
    connect(worker, &Worker::workFinished, this, &ActionsController::handleWork);
    QThreadPool::globalInstance()->start(worker);
    beginOperation();
}

void ActionsController::startTransfer(OperationWorker *worker, const QString &name,
                                      TransferListModel::Direction direction)
{
    TransferListModel::instance()->track(worker, name, direction);
    start(worker);
}

void ActionsController::beginOperation()
{
    ++m_running;
    setConnectionInProgress(true);
}

void ActionsController::endOperation(bool success, const QString &message)
{
    if (m_running > 0)
        --m_running;
    setConnectionInProgress(m_running > 0);
    if (!success) {
        setErrorMessage(message);
        setConnectionFailed(true);
    }
}
