#include "renamecontroller.h"

#include "workers/getdocumentinfoworker.h"
#include "workers/getfolderinfoworker.h"
#include "workers/getnamesindirectoryworker.h"

namespace {
const QString s_directoryIdKey = QStringLiteral("DirectoryId");
}

RenameController::RenameController(QObject *parent)
    : ConnectionController(parent)
    , m_documentInfoWorker(new GetDocumentInfoWorker(this))
    , m_folderInfoWorker(new GetFolderInfoWorker(this))
    , m_namesWorker(new GetNamesInDirectoryWorker(this))
{
    connect(m_documentInfoWorker, &InfoWorker::infoReady, this, &RenameController::handleGetInfoWork);
    connect(m_folderInfoWorker, &InfoWorker::infoReady, this, &RenameController::handleGetInfoWork);
    connect(m_namesWorker, &GetNamesInDirectoryWorker::namesReady, this, &RenameController::handleGetNamesWork);
    for (Worker *worker : {static_cast<Worker *>(m_documentInfoWorker), static_cast<Worker *>(m_folderInfoWorker),
                           static_cast<Worker *>(m_namesWorker)})
        connect(worker, &Worker::workFinished, this, &RenameController::handleLoadWork);
}

void RenameController::updateEntityInfo(int entityId, bool isFile)
{
    m_isFile = isFile;
    setConnectionInProgress(true);
    if (isFile)
        m_documentInfoWorker->getDocumentInfo(entityId);
    else
        m_folderInfoWorker->getFolderInfo(entityId);
}

void RenameController::handleGetInfoWork(const QVariantMap &info)
{
    setConnectionInProgress(false);
    // An entry that could not be read has no known parent: no names to load.
    if (!info.contains(s_directoryIdKey))
        return;
    m_parentId = info.value(s_directoryIdKey).toInt();
    getNamesInParent();
}

void RenameController::getNamesInParent()
{
    if (m_isFile)
        m_namesWorker->loadFilesNames(m_parentId);
    else
        m_namesWorker->loadFolderNames(m_parentId);
}

void RenameController::handleGetNamesWork(const QList<QString> &names)
{
    m_names.clear();
    for (const QString &name : names)
        m_names.append(getPureName(name, m_isFile));
    emit namesUpdated();
}

void RenameController::handleLoadWork(bool success, const QString &message)
{
    if (!success)
        showErrorMessage(message);
}

bool RenameController::nameExists(const QString &name) const
{
    return m_names.contains(name);
}

QRegExp RenameController::checkNewName() const
{
    return QRegExp(QStringLiteral("[a-zA-Zа-яА-Я0-9\\s][^\\.]*"), Qt::CaseSensitive);
}

QString RenameController::getExtension(const QString &fileName, bool isFile) const
{
    const QStringList parts = fileName.split(QLatin1Char('.'));
    if (!isFile || parts.size() < 2)
        return QString();
    return QStringLiteral(".%1").arg(parts.last());
}

QString RenameController::getPureName(const QString &fileName, bool isFile) const
{
    if (getExtension(fileName, isFile).isEmpty())
        return fileName;
    return fileName.left(fileName.lastIndexOf(QLatin1Char('.')));
}
