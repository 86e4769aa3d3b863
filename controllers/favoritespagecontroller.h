#pragma once

#include "controllers/cachedfolderpage.h"

class ClearFavoritesWorker;
class GetDocumentsWorker;

// The favorite documents, and taking them all off the favorites.
class FavoritesPageController : public CachedFolderPage
{
    Q_OBJECT

public:
    explicit FavoritesPageController(QObject *parent = nullptr);

    Q_INVOKABLE void loadFoldersAndFiles(int folderId) override;
    Q_INVOKABLE void clearFavorites();

signals:
    void filesLoadingFinished();
    void clearingFavoritesFinished();

protected:
    QString cacheQuery() const override;
    void emitLoadingFinished() override { emit filesLoadingFinished(); }

private slots:
    void handleClearFavorites(bool success, const QString &errorMessage);

private:
    GetDocumentsWorker *m_worker = nullptr;
    ClearFavoritesWorker *m_clearWorker = nullptr;
};
