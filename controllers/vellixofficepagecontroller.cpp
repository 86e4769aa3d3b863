#include "vellixofficepagecontroller.h"

#include "controllers/cachedlisting.h"
#include "controllers/portalfoldersorder.h"
#include "database/dataaccessobject.h"
#include "settings/settings.h"
#include "workers/getfoldersworker.h"

#include <QDebug>

VellixOfficePageController::VellixOfficePageController(QObject *parent)
    : ConnectionController(parent)
    , m_listing(new CachedListing(
          [] { return QStringLiteral("SELECT * FROM files_and_folders WHERE is_file = 0 AND parent_id = 0"); }, this))
{
    m_listing->setArrangement(&VellixOfficePageController::prepareEntities);
    connect(this, &Controller::settingsChanged, this, &VellixOfficePageController::setupSettingsSignals,
            Qt::QueuedConnection);
    connect(this, &Controller::daoChanged, this, &VellixOfficePageController::connectToDao);
    emit entitiesModelChanged();
}

QString VellixOfficePageController::portalAddress() const
{
    // The settings object keeps itself current; the file is not read again.
    return m_settings ? m_settings->portalAddress() : QString();
}

QString VellixOfficePageController::userFullName() const
{
    return m_settings ? m_settings->userFullName() : QString();
}

RemoteEntitiesModel *VellixOfficePageController::entitiesModel() const
{
    return m_listing->model();
}

void VellixOfficePageController::setupSettingsSignals()
{
    if (!m_settings)
        return;
    connect(m_settings, &Settings::portalAddressChanged, this, &VellixOfficePageController::portalAddressChanged,
            Qt::UniqueConnection);
    connect(m_settings, &Settings::userFullNameChanged, this, &VellixOfficePageController::userFullNameChanged,
            Qt::UniqueConnection);
    emit portalAddressChanged();
    emit userFullNameChanged();
}

void VellixOfficePageController::connectToDao()
{
    m_listing->watch(m_dao);
}

QList<FolderElementEntity> VellixOfficePageController::prepareEntities(const QList<FolderElementEntity> &entities)
{
    QList<FolderElementEntity> shown;
    for (const QString &name : PortalFoldersOrder::order) {
        const auto found = std::find_if(entities.cbegin(), entities.cend(),
                                        [&name](const FolderElementEntity &entity) { return entity.name == name; });
        if (found != entities.cend() && found->id > 0)
            shown.append(*found);
    }
    return shown;
}

void VellixOfficePageController::loadFolders()
{
    qInfo() << "Loading folders...";
    if (!m_worker) {
        m_worker = new GetFoldersWorker(m_dao, this);
        connect(m_worker, &Worker::workFinished, this, &VellixOfficePageController::handleGetFoldersWork);
    }
    setConnectionInProgress(true);
    setConnectionFailed(false);
    m_worker->getFoldersFromServer(0, DirectoryType::MyDocuments);
}

QVariantList VellixOfficePageController::retrieveFoldersPath(int destFolderId) const
{
    QVariantList path;
    if (m_dao)
        m_dao->retrieveFoldersPath(destFolderId, &path);
    return path;
}

void VellixOfficePageController::handleGetFoldersWork(bool success, const QString &errorMessage)
{
    setConnectionInProgress(false);
    if (!success) {
        showErrorMessage(errorMessage);
        return;
    }
    emit foldersLoadingFinished();
}
