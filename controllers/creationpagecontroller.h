#pragma once

#include "controllers/connectioncontroller.h"

#include <QHash>
#include <QString>

class CreateDocumentWorker;
class CreateFolderWorker;

// The creation page: new documents and folders, and uploads of local files
// (which show in the transfer list).
class CreationPageController : public ConnectionController
{
    Q_OBJECT

public:
    // There is no value 1.
    enum AvailableExtensions { Folder = 0, Document = 2, Spreadsheet = 3, Presentation = 4 };
    Q_ENUM(AvailableExtensions)

    static const QHash<AvailableExtensions, QString> s_extensions;

    explicit CreationPageController(QObject *parent = nullptr);

    // The name carries its extension.
    Q_INVOKABLE void createDocument(const QString &documentName, int parentDirectoryId);
    Q_INVOKABLE void createFolder(const QString &folderName, int parentDirectoryId, bool isPublic = false);
    Q_INVOKABLE void uploadDocument(const QString &documentPath, int parentDirectoryId);
    // "unknown" for a value that is not an extension of the page.
    Q_INVOKABLE QString getExtension(AvailableExtensions extension) const;

    // Ids of the last successful creation; -1 before any.
    Q_INVOKABLE int getIDFolderCreated() const;
    Q_INVOKABLE int getIDDocumentCreated() const;
    Q_INVOKABLE int getIDOwner() const;

signals:
    // The created document's or folder's name, or the upload's message.
    void createDocumentSuccess(const QString &documentName);

public slots:
    void handleProcessCreate(bool success, const QString &statusString);

private:
    void beginCreation();

    CreateDocumentWorker *m_createDocumentWorker = nullptr;
    CreateFolderWorker *m_createFolderWorker = nullptr;
};
