#include "localfiles/localpagecontroller.h"

#include "database/dataaccessobject.h"
#include "localfiles/cachefolder.h"
#include "localfiles/containerpaths.h"
#include "securestorage/passwordgenerator.h"
#include "securestorage/sstorewrapper.h"

#include <QDebug>
#include <QDir>
#include <QFile>

const QString LocalPageController::s_passwordName = QStringLiteral("SSTORE");

namespace {
// Open answers treated as an open container.
constexpr quint8 s_opened = 0;
constexpr quint8 s_alreadyOpened = 5;
constexpr quint8 s_emptyContainer = 1;
constexpr quint8 s_incorrectPassword = 2;
constexpr quint8 s_expiredPassword = 3;
} // namespace

LocalPageController::LocalPageController(QObject *parent)
    : QObject(parent)
    , m_filesModel(new LocalFilesModel(this))
{
    connect(this, &LocalPageController::daoChanged, this, &LocalPageController::openWhenComplete);
    connect(this, &LocalPageController::sstorageChanged, this, &LocalPageController::openWhenComplete);
}

void LocalPageController::classBegin()
{
    m_qmlComplete = false;
}

void LocalPageController::componentComplete()
{
    m_qmlComplete = true;
    openStorage();
}

void LocalPageController::openWhenComplete()
{
    // Before completion the other property may just not be set yet.
    if (m_qmlComplete)
        openStorage();
}

void LocalPageController::setDao(DataAccessObject *dao)
{
    if (dao == m_dao)
        return;
    m_dao = dao;
    emit daoChanged();
}

QString LocalPageController::storagePath() const
{
    return m_sstorage ? m_sstorage->path() : QString();
}

QString LocalPageController::documentsPath() const
{
    const ContainerPaths container(storagePath());
    return container.isOpen() ? container.documents() : QString();
}

QString LocalPageController::trashPath() const
{
    const ContainerPaths container(storagePath());
    return container.isOpen() ? container.trash() : QString();
}

void LocalPageController::setSstorage(SecureStorage *sstorage)
{
    if (sstorage == m_sstorage)
        return;
    m_sstorage = sstorage;
    emit sstorageChanged();
}

void LocalPageController::moveFileToTrash(const QString &path)
{
    m_filesModel->moveFileToTrash(path);
}

void LocalPageController::restoreFile(const QString &path)
{
    m_filesModel->restoreFile(path);
}

void LocalPageController::removeFile(const QString &path)
{
    m_filesModel->removeFile(path);
}

void LocalPageController::clearTrash()
{
    m_filesModel->clearTrash();
}

void LocalPageController::selectAll(LocalFilesSortFilterModel *model)
{
    setSelected(model, true);
}

void LocalPageController::clearSelect(LocalFilesSortFilterModel *model)
{
    setSelected(model, false);
}

void LocalPageController::setSelected(LocalFilesSortFilterModel *model, bool selected)
{
    if (!model)
        return;
    for (int row = 0; row < model->rowCount(); ++row)
        model->setData(model->index(row, 0), selected, LocalFilesModel::SelectedRole);
}

QStringList LocalPageController::getHighlightedPaths(LocalFilesSortFilterModel *model) const
{
    QStringList paths;
    if (!model)
        return paths;
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        if (index.data(LocalFilesModel::SelectedRole).toBool())
            paths.append(index.data(LocalFilesModel::PathRole).toString());
    }
    return paths;
}

void LocalPageController::openStorage()
{
    if (!m_dao) {
        qWarning() << "Error: DAO is null";
        emit errorOpenStorage(tr("Unexpected error"));
        return;
    }
    if (!m_sstorage) {
        qWarning() << "Error: SStorage is null";
        emit errorOpenStorage(tr("Unexpected error"));
        return;
    }
    const int status = m_sstorage->sstoreStatus();
    if (status != SecureStorage::Ready) {
        qWarning().noquote() << "Error: sstore not ready" << SecureStorage::statusToString(status);
        emit errorOpenStorage(SecureStorage::statusToString(status));
        return;
    }
    if (!m_sstorage->exists()) {
        const Creation creation = createNewStorage();
        if (creation != Creation::Created) {
            qCritical() << "Error: storage has not exists and create new storage fail";
            emit errorOpenStorage(creation == Creation::Refused ? tr("Create new storage fail")
                                                                : tr("Create storage error"));
            return;
        }
    }
    bool readable = false;
    const QString password = m_dao->getPassword(s_passwordName, &readable);
    if (!readable) {
        // Unknown is not missing: the container and its documents stay.
        qCritical() << "SSTORE password could not be read from the database; the storage is kept.";
        emit errorOpenStorage(tr("Password error"));
        return;
    }
    if (!password.isEmpty()) {
        openWithPassword(password);
        return;
    }
    qCritical() << "SSTORE password from database is empty.";
    emit errorOpenStorage(tr("Password error"));
    if (createNewStorage() != Creation::Created) {
        emit errorOpenStorage(tr("Create new storage fail"));
        return;
    }
    emit newStorageCreated();
    showOpenStorage();
}

void LocalPageController::openWithPassword(const QString &password)
{
    m_sstorage->close();
    switch (m_sstorage->open(password)) {
    case s_opened:
    case s_alreadyOpened:
        qInfo() << "Already open storage with password";
        showOpenStorage();
        break;
    case s_emptyContainer:
        qCritical() << "Error: storage created, but not opened.";
        emit errorOpenStorage(tr("Empty container"));
        break;
    case s_incorrectPassword:
        qCritical() << "Error: storage created, but not opened.";
        emit errorOpenStorage(tr("Incorrect password"));
        break;
    case s_expiredPassword:
        qCritical() << "Error: storage created, but not opened.";
        recryptStorage();
        emit errorOpenStorage(tr("Expired password"));
        break;
    default:
        qCritical() << "Incorrect answer for open container method";
        break;
    }
}

void LocalPageController::showOpenStorage()
{
    m_filesModel->setRootPath(m_sstorage->path());
    emit filesModelChanged();
    emit storagePathChanged();
    emit storageOpen();
}

LocalPageController::Creation LocalPageController::createNewStorage()
{
    removeStorage();
    const PasswordGenerator generator;
    QString password;
    bool created = false;
    for (int attempt = 1; attempt <= s_createAttempts && !created; ++attempt) {
        password = generator.getSecureRandomPassword();
        qInfo() << "Try create storage with password, attempt" << attempt;
        created = m_sstorage->create(password);
    }
    if (!created) {
        qCritical() << "Error: the service refused a new storage" << s_createAttempts << "times";
        return Creation::Refused;
    }
    qInfo() << "Try open container with password";
    if (m_sstorage->open(password) != s_opened || m_sstorage->path().isEmpty()) {
        qCritical() << "Error: storage created, but not opened.";
        return Creation::NotOpened;
    }
    qInfo() << "Already create and open storage with password";
    if (!m_dao->insertPassword(s_passwordName, password)) {
        // Without its password the container could never be opened again.
        qCritical() << "Error: the password of the new storage could not be stored";
        removeStorage();
        return Creation::NotOpened;
    }
    const ContainerPaths container(m_sstorage->path());
    qInfo() << "Create documents directory" << (QDir().mkpath(container.documents()) ? "true" : "false");
    QDir().mkpath(container.trash());
    return Creation::Created;
}

void LocalPageController::recryptStorage()
{
    qInfo() << "Start recrypt storage";
}

void LocalPageController::removeStorage()
{
    if (!m_sstorage) {
        qWarning() << "Error: SStorage is null";
        return;
    }
    qInfo() << "Remove secure storage with all data";
    m_sstorage->close();
    m_sstorage->deleteStorage();
    if (m_dao)
        m_dao->removePassword(s_passwordName);
}

QString LocalPageController::copyFileFromSStore(const QString &fileName)
{
    if (!ContainerPaths::isPlainName(fileName) || storagePath().isEmpty()) {
        qWarning().noquote() << "Error copy to cache: refused" << fileName;
        return QString();
    }
    const ContainerPaths container(storagePath());
    const QString source = container.documents() + QLatin1Char('/') + fileName;
    if (!ContainerPaths::holdsFile(container.documents(), source)) {
        qWarning().noquote() << "Error copy to cache: file" << source << "not found";
        return QString();
    }
    setCopyInProcess(true);
    const QString folder = CacheFolder::createUnique();
    if (folder.isEmpty()) {
        qWarning() << "Error create path in the cache directory";
        setCopyInProcess(false);
        return QString();
    }
    const QString target = folder + QLatin1Char('/') + fileName;
    const bool copied = QFile::copy(source, target);
    if (!copied)
        qWarning().noquote() << "Error copy to cache: file" << source << ":" << target;
    setCopyInProcess(false);
    return copied ? target : QString();
}

void LocalPageController::setCopyInProcess(bool copying)
{
    if (copying == m_copyInProcess)
        return;
    m_copyInProcess = copying;
    emit copyInProcessChanged();
}
