#include "operationworker.h"

#include "database/dataaccessobject.h"
#include "workers/requestoutcome.h"

OperationWorker::OperationWorker(DataAccessObject *dao, DirectoryType::RootDirectoryTypes root, QObject *parent)
    : RunnableWorker(nullptr, dao, parent)
    , m_root(root)
{
}

bool OperationWorker::succeeded(const QVariantMap &result)
{
    return RequestOutcome::succeeded(result) && errorText(result).isEmpty();
}

QString OperationWorker::errorText(const QVariantMap &result)
{
    return result.value(RequestInterface::s_errorKey).toString();
}

QString OperationWorker::joinNames(const QStringList &names)
{
    return names.join(QStringLiteral(", "));
}

QString OperationWorker::textForNames(const QStringList &names, const QString &oneName, const QString &severalNames)
{
    return (names.size() == 1 ? oneName : severalNames).arg(joinNames(names));
}

void OperationWorker::markFilesBusy(const QList<int> &ids)
{
    for (int id : ids)
        m_dao->updateBusyForFile(id, true, m_root);
    m_busyFiles += ids;
}

void OperationWorker::markFoldersBusy(const QList<int> &ids)
{
    for (int id : ids)
        m_dao->updateBusyForFolder(id, true, m_root);
    m_busyFolders += ids;
}

void OperationWorker::clearBusy()
{
    for (int id : qAsConst(m_busyFiles))
        m_dao->updateBusyForFile(id, false, m_root);
    for (int id : qAsConst(m_busyFolders))
        m_dao->updateBusyForFolder(id, false, m_root);
    m_busyFiles.clear();
    m_busyFolders.clear();
}

void OperationWorker::fail(const QString &text, const QVariantMap &result)
{
    const QString error = RequestOutcome::failureMessage(result);
    fail(text, error, error);
}

void OperationWorker::fail(const QString &text, const QString &summary, const QString &message)
{
    clearBusy();
    publishWarningNotify(text, summary);
    finishWork(false, message);
}

void OperationWorker::succeed(const QString &info, const QString &message)
{
    clearBusy();
    publishInfoNotify(info);
    finishWork(true, message);
}
