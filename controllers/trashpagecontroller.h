#pragma once

#include "controllers/folderlistingpage.h"

class LoadFoldersAndFilesWorker;

// The trash, and emptying it.
class TrashPageController : public FolderListingPage
{
    Q_OBJECT
    Q_PROPERTY(bool trashClearInProcess READ trashClearInProcess WRITE setTrashClearInProcess NOTIFY
                   trashClearInProcessChanged)

public:
    explicit TrashPageController(QObject *parent = nullptr);

    bool trashClearInProcess() const { return m_trashClearInProcess; }
    void setTrashClearInProcess(bool inProcess);

    Q_INVOKABLE void loadFoldersAndFiles(int folderId) override;
    Q_INVOKABLE void clearTrash();

signals:
    void foldersAndFilesLoadingFinished();
    void trashClearInProcessChanged();

protected:
    QString cacheQuery() const override;
    void emitLoadingFinished() override { emit foldersAndFilesLoadingFinished(); }

private slots:
    void handleClearTrash(bool success, const QString &errorMessage);

private:
    LoadFoldersAndFilesWorker *m_worker = nullptr;
    bool m_trashClearInProcess = false;
};
