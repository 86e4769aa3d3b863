#pragma once

#include "controllers/connectioncontroller.h"
#include "database/folderelemententity.h"

#include <QList>
#include <QVariantList>

class CachedListing;
class GetFoldersWorker;
class RemoteEntitiesModel;

// The start page: the portal's root folders in a fixed order, and who is
// signed in where.
class VellixOfficePageController : public ConnectionController
{
    Q_OBJECT
    Q_PROPERTY(QString portalAddress READ portalAddress NOTIFY portalAddressChanged)
    Q_PROPERTY(QString userFullName READ userFullName NOTIFY userFullNameChanged)
    Q_PROPERTY(RemoteEntitiesModel *entitiesModel READ entitiesModel NOTIFY entitiesModelChanged)

public:
    explicit VellixOfficePageController(QObject *parent = nullptr);

    QString portalAddress() const;
    QString userFullName() const;
    RemoteEntitiesModel *entitiesModel() const;

    Q_INVOKABLE void loadFolders();
    // {"folderID", "folderName"} maps from the top folder down to destFolderId.
    Q_INVOKABLE QVariantList retrieveFoldersPath(int destFolderId) const;

    // The root folders named in the display order, in that order; each name
    // once, and only folders the portal gave an id.
    static QList<FolderElementEntity> prepareEntities(const QList<FolderElementEntity> &entities);

signals:
    void portalAddressChanged();
    void userFullNameChanged();
    void entitiesModelChanged();
    void foldersLoadingFinished();

private slots:
    void setupSettingsSignals();
    void connectToDao();
    void handleGetFoldersWork(bool success, const QString &errorMessage);

private:
    CachedListing *m_listing;
    GetFoldersWorker *m_worker = nullptr;
};
