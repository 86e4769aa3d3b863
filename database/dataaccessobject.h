#pragma once

#include "database/sqldatabasemetatype.h"
#include "database/userorroleentity.h"
#include "models/directorytype.h"

#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QThread>
#include <QVariant>
#include <QVariantMap>
#include <QVector>

// The local cache: the only code that speaks SQL. Keeps listings in step with
// the portal, per-entry flags, users, roles and named passwords.
//
// Every statement runs on the thread that owns this object (the main thread),
// so each operation runs alone on the one connection. A call from another
// thread is queued to the owner thread, which keeps the order of the calls of
// one thread; an operation that returns a value makes such a caller wait for
// it, so the owner thread must never wait for that caller.
class DataAccessObject : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QSqlDatabase db READ db NOTIFY dbChanged)

public:
    static const QString s_fileName;
    // How long an operation waits for a lock another process holds on the file.
    static constexpr int s_busyTimeoutMs = 3000;

    // The cache in the application's local data directory.
    explicit DataAccessObject(QObject *parent = nullptr);
    // The cache file s_fileName in the directory path, created if missing.
    explicit DataAccessObject(const QString &path, QObject *parent = nullptr);
    ~DataAccessObject() override;

    QSqlDatabase db() const;

    // Which kinds of entry a listing answer covers: a folders-only load must
    // leave the cached files of the folder alone, and the other way round.
    enum class ListingScope { FilesAndFolders, FilesOnly, FoldersOnly };

    // Listings (rows in portal keys).
    void updateFilesAndFolders(const QList<QVariant> &files, const QList<QVariant> &folders, int folderId,
                               DirectoryType::RootDirectoryTypes root,
                               ListingScope scope = ListingScope::FilesAndFolders);
    void insertFiles(const QList<QVariant> &files, DirectoryType::RootDirectoryTypes root);

    // Per-entry updates.
    void updateBusyForFile(int id, bool busy, DirectoryType::RootDirectoryTypes root);
    void updateBusyForFolder(int id, bool busy, DirectoryType::RootDirectoryTypes root);
    void deleteFile(int id, DirectoryType::RootDirectoryTypes root);
    void deleteFolder(int id, DirectoryType::RootDirectoryTypes root);
    void renameFile(int id, const QString &name);
    void renameFolder(int id, const QString &name);
    // isFavorite is the entry's current state, which the call inverts.
    void toggleFavorite(int id, bool isFavorite);
    void clearFavorites();
    void setSharedState(int id, bool shared);

    // Lookups in files_and_folders.
    Q_INVOKABLE int retrieveFolderIdByType(DirectoryType::RootDirectoryTypes root);
    Q_INVOKABLE int retrieveParentFolderId(int id);
    Q_INVOKABLE QString retrieveFolderNameById(int id);
    // Prepends {"folderID", "folderName"} maps from the topmost cached
    // ancestor down to folderId.
    void retrieveFoldersPath(int folderId, QList<QVariant> *path);
    Q_INVOKABLE QVariantMap retrieveUserById(int id);
    Q_INVOKABLE QVariantMap retrieveRoleById(int id);
    // The executed query; owner thread only, since the caller reads its rows.
    QSqlQuery retrieveEntitiesByQuery(const QString &sql);

    // Users and roles (portal keys "Id", "Name", ...).
    void insertUsers(const QList<QVariant> &users);
    void insertRoles(const QList<QVariant> &roles);
    void insertRoles(const QList<UserOrRoleEntity> &roles);
    Q_INVOKABLE void deleteAllFilesAndFolders();
    Q_INVOKABLE void deleteAllUsers();
    // Everything but the passwords.
    Q_INVOKABLE void clearDatabase();

    // Named passwords.
    Q_INVOKABLE bool insertPassword(const QString &name, const QString &password);
    Q_INVOKABLE QString getPassword(const QString &name);
    // Tells a missing row (ok true, empty result) from a failed query (ok false).
    QString getPassword(const QString &name, bool *ok);
    Q_INVOKABLE bool removePassword(const QString &name);

signals:
    void dbChanged();
    void filesAndFoldersChanged();
    void usersChanged();
    void passwordChanged(const QString &name);
    void rolesChanged();

private:
    // A row condition (empty: every row) with the values it binds.
    struct Restriction
    {
        QString condition;
        QVariantList values;

        QString whereClause() const;
    };

    bool isOwnerThread() const { return QThread::currentThread() == thread(); }
    // From a foreign thread: queues call on the owner thread and returns true.
    template <typename Call>
    bool postedToOwnerThread(Call &&call);
    // From a foreign thread: runs call on the owner thread and waits for it.
    template <typename Result, typename Call>
    Result resultFromOwnerThread(Call &&call);

    void openCache(const QString &fileName);
    // Empty when the file opened and passed the integrity check, else why not.
    QString openUsable(const QString &fileName);
    static bool isLockedError(const QSqlError &error);
    void startFreshCache(const QString &fileName);
    void logTables();

    bool synchroniseListing(const QList<QVariant> &files, const QList<QVariant> &folders, const QString &table,
                            const Restriction &restriction);
    bool insertFiles(const QList<QVariant> &files, const QString &table);
    bool insertFolders(const QList<QVariant> &folders, const QString &table);
    bool insertFilesAndFolders(const QList<QVariant> &rows, const QString &table, bool isFile);
    bool deleteFilesAndFolders(const QList<QVariant> &rows, const QString &table);
    QList<QVariant> selectExceptFilesAndFolders(const QString &table, const QString &other,
                                                const Restriction &restriction, bool *ok);
    bool insertExceptFilesAndFolders(const QString &table, const QString &other, const Restriction &restriction);
    QString createTempTable(const QString &table);
    void dropTable(const QString &table);
    static Restriction selectExceptWhereArgs(DirectoryType::RootDirectoryTypes root, int folderId);
    static Restriction scoped(const Restriction &restriction, ListingScope scope);
    static QString metadirectoryTableName(DirectoryType::RootDirectoryTypes root);

    void updateBusyForFileOrFolder(int id, bool busy, bool isFile, DirectoryType::RootDirectoryTypes root);
    void deleteFileOrFolder(int id, bool isFile, DirectoryType::RootDirectoryTypes root);
    void renameFilesOrFolders(int id, const QString &name, bool isFile);
    bool execUpdate(const QString &sql, const QVariantList &values, QString *error);
    QVariant selectValue(const QString &sql, const QVariantList &values, const char *failure);
    QVariantMap selectRow(const QString &sql, int id, const QStringList &keys, const QString &failure);
    void deleteMetadirectoriesAndRoles();
    bool deleteAllRecords(const QString &table);
    void logRows(const char *title, const QList<QVariant> &rows);

    QSqlDatabase m_db;
};

template <typename Call>
bool DataAccessObject::postedToOwnerThread(Call &&call)
{
    if (isOwnerThread())
        return false;
    QMetaObject::invokeMethod(this, std::forward<Call>(call), Qt::QueuedConnection);
    return true;
}

template <typename Result, typename Call>
Result DataAccessObject::resultFromOwnerThread(Call &&call)
{
    Result result{};
    QMetaObject::invokeMethod(this, std::forward<Call>(call), Qt::BlockingQueuedConnection, &result);
    return result;
}
