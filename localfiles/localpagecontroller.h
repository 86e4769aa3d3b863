#pragma once

#include "database/dataaccessobject.h"
#include "localfiles/localfilesmodel.h"
#include "localfiles/localfilessortfiltermodel.h"
#include "securestorage/sstorewrapper.h"

#include <QObject>
#include <QPointer>
#include <QQmlParserStatus>
#include <QString>
#include <QStringList>

// The local files page: opens the encrypted container (creating one with a
// fresh password on first use), lists its documents or local trash through
// filesModel and copies single documents out of it for viewing.
class LocalPageController : public QObject, public QQmlParserStatus
{
    Q_OBJECT
    Q_INTERFACES(QQmlParserStatus)
    Q_PROPERTY(DataAccessObject *dao READ dao WRITE setDao NOTIFY daoChanged)
    Q_PROPERTY(QString storagePath READ storagePath NOTIFY storagePathChanged)
    // The two folders of the open container; empty while none is open.
    Q_PROPERTY(QString documentsPath READ documentsPath NOTIFY storagePathChanged)
    Q_PROPERTY(QString trashPath READ trashPath NOTIFY storagePathChanged)
    Q_PROPERTY(LocalFilesModel *filesModel READ filesModel NOTIFY filesModelChanged)
    Q_PROPERTY(SecureStorage *sstorage READ sstorage WRITE setSstorage NOTIFY sstorageChanged)
    Q_PROPERTY(bool copyInProcess READ copyInProcess NOTIFY copyInProcessChanged)

public:
    static const QString s_passwordName;
    // How often a new container is tried with a new password before giving up.
    static constexpr int s_createAttempts = 10;

    explicit LocalPageController(QObject *parent = nullptr);

    DataAccessObject *dao() const { return m_dao; }
    void setDao(DataAccessObject *dao);
    QString storagePath() const;
    QString documentsPath() const;
    QString trashPath() const;
    LocalFilesModel *filesModel() const { return m_filesModel; }
    SecureStorage *sstorage() const { return m_sstorage; }
    void setSstorage(SecureStorage *sstorage);
    bool copyInProcess() const { return m_copyInProcess; }

    // Made by QML, the container opens once every property is set.
    void classBegin() override;
    void componentComplete() override;

    Q_INVOKABLE void moveFileToTrash(const QString &path);
    Q_INVOKABLE void restoreFile(const QString &path);
    Q_INVOKABLE void removeFile(const QString &path);
    Q_INVOKABLE void clearTrash();
    Q_INVOKABLE void selectAll(LocalFilesSortFilterModel *model);
    Q_INVOKABLE void clearSelect(LocalFilesSortFilterModel *model);
    Q_INVOKABLE QStringList getHighlightedPaths(LocalFilesSortFilterModel *model) const;

    Q_INVOKABLE void removeStorage();
    // The copy's path in the cache directory, or empty when nothing was copied.
    Q_INVOKABLE QString copyFileFromSStore(const QString &fileName);

public slots:
    void openStorage();

signals:
    void daoChanged();
    void storagePathChanged();
    void filesModelChanged();
    void sstorageChanged();
    void copyInProcessChanged();
    void storageOpen();
    void errorOpenStorage(const QString &errorMessage);
    void newStorageCreated();

private:
    enum class Creation { Created, Refused, NotOpened };

    Creation createNewStorage();
    void recryptStorage();
    void openWhenComplete();
    void openWithPassword(const QString &password);
    void showOpenStorage();
    void setSelected(LocalFilesSortFilterModel *model, bool selected);
    void setCopyInProcess(bool copying);

    QPointer<DataAccessObject> m_dao;
    QPointer<SecureStorage> m_sstorage;
    LocalFilesModel *m_filesModel;
    bool m_copyInProcess = false;
    bool m_qmlComplete = true;
};
