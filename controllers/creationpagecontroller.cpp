#include "creationpagecontroller.h"

#include "models/transferlistmodel.h"
#include "workers/createdocumentworker.h"
#include "workers/createfolderworker.h"
#include "workers/uploaddocumentworker.h"

#include <QDebug>
#include <QFileInfo>
#include <QThreadPool>

const QHash<CreationPageController::AvailableExtensions, QString> CreationPageController::s_extensions = {
    {Folder, QString()},
    {Document, QStringLiteral(".docx")},
    {Spreadsheet, QStringLiteral(".xlsx")},
    {Presentation, QStringLiteral(".pptx")}};

CreationPageController::CreationPageController(QObject *parent)
    : ConnectionController(parent)
{
}

void CreationPageController::createDocument(const QString &documentName, int parentDirectoryId)
{
    if (documentName.isEmpty() || parentDirectoryId < 0) {
        qWarning() << "Error create document (data invalid)";
        return;
    }
    if (!m_createDocumentWorker) {
        m_createDocumentWorker = new CreateDocumentWorker(this);
        connect(m_createDocumentWorker, &Worker::workFinished, this, &CreationPageController::handleProcessCreate);
    }
    beginCreation();
    m_createDocumentWorker->createDocument(documentName, parentDirectoryId);
}

void CreationPageController::createFolder(const QString &folderName, int parentDirectoryId, bool isPublic)
{
    if (folderName.isEmpty() || parentDirectoryId < 0) {
        qWarning() << "Error create document (data invalid)";
        return;
    }
    if (!m_createFolderWorker) {
        m_createFolderWorker = new CreateFolderWorker(this);
        connect(m_createFolderWorker, &Worker::workFinished, this, &CreationPageController::handleProcessCreate);
    }
    beginCreation();
    m_createFolderWorker->createFolder(folderName, parentDirectoryId, isPublic);
}

void CreationPageController::uploadDocument(const QString &documentPath, int parentDirectoryId)
{
    if (documentPath.isEmpty() || parentDirectoryId < 0) {
        qWarning() << "Error upload document (data invalid)";
        return;
    }
    auto *worker = new UploadDocumentWorker(documentPath, parentDirectoryId);
    connect(worker, &Worker::workFinished, this, &CreationPageController::handleProcessCreate);
    TransferListModel::instance()->track(worker, QFileInfo(documentPath).fileName(), TransferListModel::Upload);
    QThreadPool::globalInstance()->start(worker);
}

QString CreationPageController::getExtension(AvailableExtensions extension) const
{
    return s_extensions.value(extension, QStringLiteral("unknown"));
}

int CreationPageController::getIDFolderCreated() const
{
    return m_createFolderWorker ? m_createFolderWorker->idCreatedFolder() : CreateEntryWorker::s_noId;
}

int CreationPageController::getIDDocumentCreated() const
{
    return m_createDocumentWorker ? m_createDocumentWorker->idCreatedDocument() : CreateEntryWorker::s_noId;
}

int CreationPageController::getIDOwner() const
{
    return m_createDocumentWorker ? m_createDocumentWorker->idOwner() : CreateEntryWorker::s_noId;
}

void CreationPageController::handleProcessCreate(bool success, const QString &statusString)
{
    if (!success) {
        showErrorMessage(statusString);
        return;
    }
    setConnectionInProgress(false);
    emit createDocumentSuccess(statusString);
}

void CreationPageController::beginCreation()
{
    setConnectionInProgress(true);
    setConnectionFailed(false);
}
