#pragma once

#include "controllers/folderpageinterface.h"

class CachedListing;
class RemoteEntitiesModel;
class Worker;

// A folder page fed from the cache: it shows the cached rows at once, and a
// load refreshes the cache, whose change every living page re-reads.
class CachedFolderPage : public FolderPageInterface
{
    Q_OBJECT
    Q_PROPERTY(RemoteEntitiesModel *entitiesModel READ entitiesModel NOTIFY entitiesModelChanged)

public:
    RemoteEntitiesModel *entitiesModel() const;

signals:
    void entitiesModelChanged();

protected:
    explicit CachedFolderPage(QObject *parent);

    // The page's query as it stands; empty when it cannot read now.
    virtual QString cacheQuery() const = 0;
    // The page's own announcement of a load that succeeded.
    virtual void emitLoadingFinished() = 0;

    // Shows progress until the worker reports; the caller starts the worker.
    void followLoad(const char *logLine, Worker *worker);

protected slots:
    void updateEntitiesModel();

private slots:
    void connectToDao();
    void handleLoadWork(bool success, const QString &errorMessage);

private:
    CachedListing *m_listing;
};
