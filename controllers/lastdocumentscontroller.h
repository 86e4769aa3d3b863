#pragma once

#include "controllers/cachedfolderpage.h"

class GetDocumentsWorker;

// The documents used last.
class LastDocumentsController : public CachedFolderPage
{
    Q_OBJECT

public:
    explicit LastDocumentsController(QObject *parent = nullptr);

    Q_INVOKABLE void loadFoldersAndFiles(int folderId) override;

signals:
    void filesLoadingFinished();

protected:
    QString cacheQuery() const override;
    void emitLoadingFinished() override { emit filesLoadingFinished(); }

private:
    GetDocumentsWorker *m_worker = nullptr;
};
