#include "database/dataaccessobject.h"

#include "database/cachefilerecovery.h"
#include "database/listingrow.h"
#include "database/migrations.h"
#include "database/portalvalue.h"
#include "database/sqlbatch.h"
#include "database/sqltransaction.h"
#include "logging/eventlogger.h"
#include "settings/settings.h"

#include <QAtomicInt>
#include <QDebug>
#include <QDir>
#include <QSet>
#include <QSqlError>
#include <QSqlRecord>
#include <QStandardPaths>

const QString DataAccessObject::s_fileName = QStringLiteral("vellix-office.sqlite");

namespace {

const QString s_filesAndFolders = QStringLiteral("files_and_folders");
const QString s_sharedDocuments = QStringLiteral("shared_documents");
const QString s_sharedAccessDocuments = QStringLiteral("shared_access_documents");
const QString s_availableDocuments = QStringLiteral("available_documents");
const QString s_lastDocuments = QStringLiteral("last_documents");
const QString s_inMemory = QStringLiteral(":memory:");

QAtomicInt s_connectionSerial;
QAtomicInt s_tempTableSerial;

// The application's one cache uses the default connection; any further
// instance gets a connection of its own instead of taking that one over.
QString newConnectionName()
{
    const QString defaultName = QString::fromLatin1(QSqlDatabase::defaultConnection);
    if (!QSqlDatabase::contains(defaultName))
        return defaultName;
    return QStringLiteral("vellix-cache-%1").arg(s_connectionSerial.fetchAndAddRelaxed(1) + 1);
}

QString portalRowPattern(int values)
{
    QStringList placeholders;
    for (int i = 0; i < values; ++i)
        placeholders.append(QStringLiteral("?"));
    return QStringLiteral("(%1)").arg(placeholders.join(QStringLiteral(", ")));
}

// A portal object field stored in a users or roles column.
struct PortalField
{
    QString key;
    bool isInteger;
};

const QVector<PortalField> s_userFields = {
    {QStringLiteral("Id"), true},        {QStringLiteral("Name"), false},    {QStringLiteral("ContactId"), true},
    {QStringLiteral("Type"), true},      {QStringLiteral("FirstName"), false}, {QStringLiteral("Surname"), false},
    {QStringLiteral("Email"), false},
};
const QVector<PortalField> s_roleFields = {
    {QStringLiteral("Id"), true},
    {QStringLiteral("Name"), false},
    {QStringLiteral("Type"), true},
};

QVector<QVariant> portalFieldValues(const QList<QVariant> &objects, const QVector<PortalField> &fields)
{
    QVector<QVariant> values;
    values.reserve(objects.size() * fields.size());
    for (const QVariant &object : objects) {
        const QVariantMap map = object.toMap();
        for (const PortalField &field : fields)
            values.append(field.isInteger ? PortalValue::integer(map, field.key) : PortalValue::text(map, field.key));
    }
    return values;
}

// One INSERT OR REPLACE of the objects into target, all or nothing.
bool insertPortalObjects(const QSqlDatabase &db, const QList<QVariant> &objects, const QString &target,
                         const QVector<PortalField> &fields)
{
    const SqlBatch batch(QStringLiteral("INSERT OR REPLACE INTO %1 VALUES").arg(target), portalRowPattern(fields.size()),
                         QStringLiteral(","), QStringLiteral(";"), fields.size());
    SqlTransaction transaction(db);
    QString error;
    if (!batch.exec(db, portalFieldValues(objects, fields), &error)) {
        qWarning().noquote() << "Insert failed: " + error;
        return false;
    }
    if (!transaction.commit()) {
        qWarning().noquote() << "Insert failed: " + transaction.errorText();
        return false;
    }
    return true;
}

QVariantMap folderPathElement(int id, const QString &name)
{
    return {{QStringLiteral("folderID"), id}, {QStringLiteral("folderName"), name}};
}

} // namespace

DataAccessObject::DataAccessObject(QObject *parent)
    : DataAccessObject(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation), parent)
{
}

DataAccessObject::DataAccessObject(const QString &path, QObject *parent)
    : QObject(parent)
{
    qInfo() << "Database initialization.";
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), newConnectionName());
    // Another process writing the file (a second instance) is waited for, not mistaken for damage.
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(s_busyTimeoutMs));
    QDir().mkpath(path);
    openCache(path + QLatin1Char('/') + s_fileName);
    logTables();
}

DataAccessObject::~DataAccessObject()
{
    const QString connection = m_db.connectionName();
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection);
}

QSqlDatabase DataAccessObject::db() const
{
    return m_db;
}

// --- Opening -----------------------------------------------------------------

void DataAccessObject::openCache(const QString &fileName)
{
    qInfo().noquote() << QStringLiteral("Try to open database %1").arg(fileName);
    const QString problem = openUsable(fileName);
    if (problem.isEmpty()) {
        qInfo() << "Database is opened successfully.";
        return;
    }
    // The process carries on: the cache only mirrors the portal.
    qCritical("Database isn't opened: %s", qPrintable(problem));
    startFreshCache(fileName);
}

QString DataAccessObject::openUsable(const QString &fileName)
{
    m_db.close();
    m_db.setDatabaseName(fileName);
    if (!m_db.open())
        return m_db.lastError().text();
    // Reads every page, so that a damaged file is noticed now and not in the
    // middle of some later write.
    QSqlQuery check(m_db);
    if (!check.exec(QStringLiteral("PRAGMA quick_check"))) {
        if (isLockedError(check.lastError())) {
            qWarning().noquote() << QStringLiteral("The cache %1 is in use by another process: %2")
                                        .arg(fileName, check.lastError().text());
            return QString();
        }
        return check.lastError().text();
    }
    const QString verdict = check.next() ? check.value(0).toString() : QString();
    return verdict == QLatin1String("ok") ? QString() : QStringLiteral("quick_check: %1").arg(verdict);
}

bool DataAccessObject::isLockedError(const QSqlError &error)
{
    // SQLITE_BUSY and SQLITE_LOCKED, extended codes included.
    const int primary = error.nativeErrorCode().toInt() & 0xff;
    return primary == 5 || primary == 6;
}

void DataAccessObject::startFreshCache(const QString &fileName)
{
    m_db.close();
    const QList<CacheFileRecovery::Password> passwords = CacheFileRecovery::salvagePasswords(fileName);
    const QString keptAs = CacheFileRecovery::moveAside(fileName);
    const QString problem = keptAs.isEmpty() ? QStringLiteral("the file name is not free") : openUsable(fileName);
    if (problem.isEmpty()) {
        qWarning().noquote() << QStringLiteral("The unusable cache was kept as %1, a fresh cache is started").arg(keptAs);
    } else {
        qCritical().noquote() << QStringLiteral("No fresh cache in %1 (%2), the cache lives in memory until the "
                                                "application ends")
                                     .arg(fileName, problem);
        openUsable(s_inMemory);
    }
    Migrations migrations;
    migrations.setDb(m_db);
    migrations.performMigration();
    for (const CacheFileRecovery::Password &password : passwords)
        insertPassword(password.first, password.second);
}

void DataAccessObject::logTables()
{
    QSqlQuery query(m_db);
    query.exec(QStringLiteral("SELECT * FROM sqlite_master"));
    qInfo() << "DB contains tables:";
    while (query.next()) {
        if (query.value(QStringLiteral("type")).toString() == QLatin1String("table"))
            qInfo().noquote() << QLatin1Char('\t') + query.value(QStringLiteral("name")).toString();
    }
}

// --- Listing synchronisation -----------------------------------------------

void DataAccessObject::updateFilesAndFolders(const QList<QVariant> &files, const QList<QVariant> &folders, int folderId,
                                             DirectoryType::RootDirectoryTypes root, ListingScope scope)
{
    if (postedToOwnerThread([=] { updateFilesAndFolders(files, folders, folderId, root, scope); }))
        return;
    const QString table = metadirectoryTableName(root);
    qInfo() << "Updating files and folders inside" << table;
    if (!synchroniseListing(files, folders, table, scoped(selectExceptWhereArgs(root, folderId), scope)))
        qWarning() << "The listing was not stored, the cached rows of" << table << "are kept";
    emit filesAndFoldersChanged();
}

bool DataAccessObject::synchroniseListing(const QList<QVariant> &files, const QList<QVariant> &folders,
                                          const QString &table, const Restriction &restriction)
{
    SqlTransaction transaction(m_db);
    if (!transaction.isActive()) {
        qWarning() << "Starting the synchronisation failed:" << transaction.errorText();
        return false;
    }
    const QString temp = createTempTable(table);
    if (temp.isEmpty())
        return false;
    bool ok = insertFolders(folders, temp) && insertFiles(files, temp);
    QList<QVariant> stale;
    if (ok)
        stale = selectExceptFilesAndFolders(table, temp, restriction, &ok);
    // Fresh rows are found after the stale ones are gone, so that an
    // unchanged row sharing an id with a stale one comes back.
    ok = ok && deleteFilesAndFolders(stale, table) && insertExceptFilesAndFolders(table, temp, restriction);
    dropTable(temp);
    if (ok && !transaction.commit()) {
        qWarning() << "Committing the synchronisation failed:" << transaction.errorText();
        return false;
    }
    return ok;
}

void DataAccessObject::insertFiles(const QList<QVariant> &files, DirectoryType::RootDirectoryTypes root)
{
    if (postedToOwnerThread([=] { insertFiles(files, root); }))
        return;
    {
        SqlTransaction transaction(m_db);
        if (insertFiles(files, metadirectoryTableName(root)))
            transaction.commit();
    }
    emit filesAndFoldersChanged();
}

bool DataAccessObject::insertFiles(const QList<QVariant> &files, const QString &table)
{
    return insertFilesAndFolders(files, table, true);
}

bool DataAccessObject::insertFolders(const QList<QVariant> &folders, const QString &table)
{
    return insertFilesAndFolders(folders, table, false);
}

bool DataAccessObject::insertFilesAndFolders(const QList<QVariant> &rows, const QString &table, bool isFile)
{
    if (rows.isEmpty())
        return true;
    qInfo().noquote() << "Inserting files and folders into the table " + table;
    logRows("Inserting items:", rows);
    QVector<QVariant> values;
    values.reserve(rows.size() * ListingRow::s_columnCount);
    for (const QVariant &row : rows)
        ListingRow::appendPortalValues(row.toMap(), isFile, &values);
    // A row that is already cached under its key is replaced by the new one.
    const SqlBatch batch(QStringLiteral("INSERT OR REPLACE INTO %1(%2) VALUES").arg(table, ListingRow::columnList()),
                         portalRowPattern(ListingRow::s_columnCount), QStringLiteral(","), QStringLiteral(";"),
                         ListingRow::s_columnCount);
    QString error;
    if (!batch.exec(m_db, values, &error)) {
        qWarning().noquote() << "Insert failed: " + error;
        return false;
    }
    return true;
}

bool DataAccessObject::deleteFilesAndFolders(const QList<QVariant> &rows, const QString &table)
{
    if (rows.isEmpty())
        return true;
    qInfo().noquote() << "Deleting files and folders for the table " + table;
    QVector<QVariant> values;
    values.reserve(rows.size() * 2);
    for (const QVariant &row : rows) {
        const QVariantMap map = row.toMap();
        values << map.value(QStringLiteral("id")) << map.value(QStringLiteral("is_file"));
    }
    // A changed file must not take the unchanged folder of the same id with it.
    const SqlBatch batch(QStringLiteral("DELETE FROM %1 WHERE ").arg(table), QStringLiteral("(id = ? AND is_file = ?)"),
                         QStringLiteral(" OR "), QStringLiteral(";"), 2);
    QString error;
    if (!batch.exec(m_db, values, &error)) {
        qWarning().noquote() << "Delete failed: " + error;
        return false;
    }
    return true;
}

QList<QVariant> DataAccessObject::selectExceptFilesAndFolders(const QString &table, const QString &other,
                                                              const Restriction &restriction, bool *ok)
{
    const QString sql = QStringLiteral("SELECT * FROM %1 %3 EXCEPT SELECT * FROM %2 %3;")
                            .arg(table, other, restriction.whereClause());
    qInfo() << "Run query:" << sql;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(sql);
    const QVariantList values = restriction.values + restriction.values;
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    QList<QVariant> rows;
    *ok = query.exec();
    if (!*ok) {
        qWarning() << "Select Except Query failed:" << query.lastError().text();
        return rows;
    }
    const QSqlRecord record = query.record();
    while (query.next()) {
        QVariantMap row;
        for (int column = 0; column < record.count(); ++column)
            row.insert(record.fieldName(column), query.value(column));
        rows.append(row);
    }
    qInfo() << "Result select...except:" << (rows.isEmpty() ? "empty" : "");
    logRows("Stale rows:", rows);
    return rows;
}

bool DataAccessObject::insertExceptFilesAndFolders(const QString &table, const QString &other,
                                                   const Restriction &restriction)
{
    // The fresh rows go from the temporary table straight into the cache: a
    // first listing is all fresh rows, and they need not pass through here.
    const QString columns = ListingRow::columnList();
    const QString sql = QStringLiteral("INSERT OR REPLACE INTO %1(%3) SELECT %3 FROM (SELECT * FROM %2 %4 EXCEPT "
                                       "SELECT * FROM %1 %4);")
                            .arg(table, other, columns, restriction.whereClause());
    qInfo() << "Run query:" << sql;
    QString error;
    QSqlQuery query(m_db);
    query.prepare(sql);
    const QVariantList values = restriction.values + restriction.values;
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (!query.exec()) {
        qWarning().noquote() << "Insert failed: " + query.lastError().text();
        return false;
    }
    const int inserted = query.numRowsAffected();
    if (inserted > 0)
        qInfo().noquote() << QStringLiteral("Inserted %1 fresh rows into the table %2").arg(inserted).arg(table);
    else
        qInfo() << "Result select...except:" << "empty";
    return true;
}

QString DataAccessObject::createTempTable(const QString &table)
{
    qInfo() << "Creating temparary table for" << table;
    // Unique per synchronisation, so that two of one table never share it.
    const QString temp = QStringLiteral("temp_%1_%2").arg(table).arg(s_tempTableSerial.fetchAndAddRelaxed(1) + 1);
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("CREATE TEMPORARY TABLE %1 AS SELECT * FROM %2 WHERE parent_id = -1;").arg(temp, table))) {
        qCritical().noquote() << "Creating temporary table failed: " + query.lastError().text();
        return QString();
    }
    return temp;
}

void DataAccessObject::dropTable(const QString &table)
{
    qInfo().noquote() << "Deleting table " + table;
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("DROP TABLE %1;").arg(table)))
        qWarning() << "Drop failed:" << query.lastError().text();
}

DataAccessObject::Restriction DataAccessObject::selectExceptWhereArgs(DirectoryType::RootDirectoryTypes root,
                                                                      int folderId)
{
    switch (root) {
    case DirectoryType::Favorite:
        return {QStringLiteral("is_favorite = 1"), {}};
    case DirectoryType::MyDocuments:
    case DirectoryType::Trash:
        return {QStringLiteral("parent_id = ? OR directory_id = ?"), {folderId, folderId}};
    default:
        return {};
    }
}

DataAccessObject::Restriction DataAccessObject::scoped(const Restriction &restriction, ListingScope scope)
{
    if (scope == ListingScope::FilesAndFolders)
        return restriction;
    const bool isFile = scope == ListingScope::FilesOnly;
    if (restriction.condition.isEmpty())
        return {QStringLiteral("is_file = ?"), {isFile}};
    return {QStringLiteral("(%1) AND is_file = ?").arg(restriction.condition), restriction.values + QVariantList{isFile}};
}

QString DataAccessObject::Restriction::whereClause() const
{
    return condition.isEmpty() ? QString() : QStringLiteral("WHERE ") + condition;
}

QString DataAccessObject::metadirectoryTableName(DirectoryType::RootDirectoryTypes root)
{
    switch (root) {
    // The Common page reads shared_documents; stored in files_and_folders as a
    // whole-table listing it would wipe every other cached folder.
    case DirectoryType::Public:
    case DirectoryType::Common:
        return s_sharedDocuments;
    case DirectoryType::SharedAccess:
        return s_sharedAccessDocuments;
    case DirectoryType::Virtual:
        return s_availableDocuments;
    case DirectoryType::LastDocuments:
        return s_lastDocuments;
    default:
        return s_filesAndFolders;
    }
}

// --- Per-entry updates -------------------------------------------------------

void DataAccessObject::updateBusyForFile(int id, bool busy, DirectoryType::RootDirectoryTypes root)
{
    updateBusyForFileOrFolder(id, busy, true, root);
}

void DataAccessObject::updateBusyForFolder(int id, bool busy, DirectoryType::RootDirectoryTypes root)
{
    updateBusyForFileOrFolder(id, busy, false, root);
}

void DataAccessObject::updateBusyForFileOrFolder(int id, bool busy, bool isFile, DirectoryType::RootDirectoryTypes root)
{
    if (postedToOwnerThread([=] { updateBusyForFileOrFolder(id, busy, isFile, root); }))
        return;
    const QString table = metadirectoryTableName(root);
    qInfo().noquote() << QStringLiteral("Updating the 'busy' value (%1) for a %2 with id = %3 in table '%4'")
                             .arg(int(busy))
                             .arg(isFile ? QStringLiteral("file") : QStringLiteral("folder"))
                             .arg(id)
                             .arg(table);
    QString error;
    if (!execUpdate(QStringLiteral("UPDATE %1 SET busy = ? WHERE id = ? AND is_file = ?;").arg(table),
                    {int(busy), id, int(isFile)}, &error))
        qWarning() << "Update failed:" << error;
}

void DataAccessObject::deleteFile(int id, DirectoryType::RootDirectoryTypes root)
{
    deleteFileOrFolder(id, true, root);
}

void DataAccessObject::deleteFolder(int id, DirectoryType::RootDirectoryTypes root)
{
    deleteFileOrFolder(id, false, root);
}

void DataAccessObject::deleteFileOrFolder(int id, bool isFile, DirectoryType::RootDirectoryTypes root)
{
    if (postedToOwnerThread([=] { deleteFileOrFolder(id, isFile, root); }))
        return;
    qInfo().noquote() << QStringLiteral("Deleting a %1 with id = %2")
                             .arg(isFile ? QStringLiteral("file") : QStringLiteral("folder"))
                             .arg(id);
    QString error;
    if (!execUpdate(QStringLiteral("DELETE FROM %1 WHERE id = ? AND is_file = ?;").arg(metadirectoryTableName(root)),
                    {id, int(isFile)}, &error))
        qWarning().noquote() << "Delete failed: " + error;
    emit filesAndFoldersChanged();
}

void DataAccessObject::renameFile(int id, const QString &name)
{
    renameFilesOrFolders(id, name, true);
}

void DataAccessObject::renameFolder(int id, const QString &name)
{
    renameFilesOrFolders(id, name, false);
}

void DataAccessObject::renameFilesOrFolders(int id, const QString &name, bool isFile)
{
    if (postedToOwnerThread([=] { renameFilesOrFolders(id, name, isFile); }))
        return;
    qInfo().noquote() << QStringLiteral("Rename file with id %1 to %2").arg(id).arg(name);
    QString error;
    if (execUpdate(QStringLiteral("UPDATE files_and_folders SET name = ? WHERE id = ? AND is_file = ?;"),
                   {name, id, int(isFile)}, &error))
        qInfo().noquote() << QStringLiteral("File with id %1 rename to %2").arg(id).arg(name);
    else
        qWarning().noquote() << QStringLiteral("Rename of %1 to %2 failed: ").arg(id).arg(name) + error;
    emit filesAndFoldersChanged();
}

void DataAccessObject::toggleFavorite(int id, bool isFavorite)
{
    if (postedToOwnerThread([=] { toggleFavorite(id, isFavorite); }))
        return;
    qInfo().noquote() << QStringLiteral("%1 file with id %2 %3 favorites in table")
                             .arg(isFavorite ? QStringLiteral("Deleting") : QStringLiteral("Adding"))
                             .arg(id)
                             .arg(isFavorite ? QStringLiteral("from") : QStringLiteral("to"));
    QString error;
    if (execUpdate(QStringLiteral("UPDATE files_and_folders SET is_favorite = ? WHERE id = ?;"), {int(!isFavorite), id},
                   &error))
        qInfo().noquote() << QStringLiteral("File with id %1 %2 favorites")
                                 .arg(id)
                                 .arg(isFavorite ? QStringLiteral("deleted from") : QStringLiteral("added to"));
    else
        qWarning().noquote() << QStringLiteral("%1 of %2 failed: ")
                                        .arg(isFavorite ? QStringLiteral("Delete") : QStringLiteral("Add"))
                                        .arg(id)
                                    + error;
    emit filesAndFoldersChanged();
}

void DataAccessObject::clearFavorites()
{
    if (postedToOwnerThread([=] { clearFavorites(); }))
        return;
    qInfo() << "Deleting all files from favorites in table";
    QString error;
    if (execUpdate(QStringLiteral("UPDATE files_and_folders SET is_favorite = 0 WHERE is_file = 1;"), {}, &error))
        qInfo() << "All files deleted from favorites";
    else
        qWarning().noquote() << "Delete failed: " + error;
    emit filesAndFoldersChanged();
}

void DataAccessObject::setSharedState(int id, bool shared)
{
    if (postedToOwnerThread([=] { setSharedState(id, shared); }))
        return;
    const QString state = shared ? QStringLiteral("shared") : QStringLiteral("not shared");
    qInfo().noquote() << QStringLiteral("Set share status of %1 to %2").arg(id).arg(state);
    QString error;
    if (execUpdate(QStringLiteral("UPDATE files_and_folders SET is_shared = ? WHERE id = ?;"), {int(shared), id}, &error))
        qInfo().noquote() << QStringLiteral("Share status %1 set to %2").arg(id).arg(state);
    else
        qWarning().noquote() << QStringLiteral("Set share status to %1 failed").arg(state) << error;
    emit filesAndFoldersChanged();
}

bool DataAccessObject::execUpdate(const QString &sql, const QVariantList &values, QString *error)
{
    QSqlQuery query(m_db);
    query.prepare(sql);
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (query.exec())
        return true;
    *error = query.lastError().text();
    return false;
}

// --- Lookups -----------------------------------------------------------------

int DataAccessObject::retrieveFolderIdByType(DirectoryType::RootDirectoryTypes root)
{
    if (!isOwnerThread())
        return resultFromOwnerThread<int>([=] { return retrieveFolderIdByType(root); });
    return selectValue(QStringLiteral("SELECT id FROM files_and_folders WHERE type = ?;"), {int(root)},
                       "Retrieving ID of folder failed:")
        .toInt();
}

int DataAccessObject::retrieveParentFolderId(int id)
{
    if (!isOwnerThread())
        return resultFromOwnerThread<int>([=] { return retrieveParentFolderId(id); });
    return selectValue(QStringLiteral("SELECT parent_id FROM files_and_folders WHERE id = ? AND is_file = 0;"), {id},
                       "Retrieving ID of parent failed:")
        .toInt();
}

QString DataAccessObject::retrieveFolderNameById(int id)
{
    if (!isOwnerThread())
        return resultFromOwnerThread<QString>([=] { return retrieveFolderNameById(id); });
    return selectValue(QStringLiteral("SELECT name FROM files_and_folders WHERE id = ? AND is_file = 0;"), {id},
                       "Retrieving name of folder failed:")
        .toString();
}

void DataAccessObject::retrieveFoldersPath(int folderId, QList<QVariant> *path)
{
    if (!isOwnerThread()) {
        QMetaObject::invokeMethod(
            this, [=] { retrieveFoldersPath(folderId, path); }, Qt::BlockingQueuedConnection);
        return;
    }
    if (path->isEmpty())
        path->prepend(folderPathElement(folderId, retrieveFolderNameById(folderId)));
    // A stale or cyclic cache must not keep this loop going.
    QSet<int> visited{folderId};
    int current = folderId;
    for (;;) {
        const int parent = retrieveParentFolderId(current);
        if (parent == 0)
            return;
        if (visited.contains(parent)) {
            qWarning() << "The cached folder path of" << folderId << "runs in a circle at" << parent;
            return;
        }
        const QVariant name = selectValue(QStringLiteral("SELECT name FROM files_and_folders WHERE id = ? AND is_file = 0;"),
                                          {parent}, "Retrieving name of folder failed:");
        if (!name.isValid())
            return;
        path->prepend(folderPathElement(parent, name.toString()));
        visited.insert(parent);
        current = parent;
    }
}

QVariantMap DataAccessObject::retrieveUserById(int id)
{
    if (!isOwnerThread())
        return resultFromOwnerThread<QVariantMap>([=] { return retrieveUserById(id); });
    static const QStringList keys = {QStringLiteral("id"),         QStringLiteral("name"),    QStringLiteral("contact_id"),
                                     QStringLiteral("type"),       QStringLiteral("first_name"),
                                     QStringLiteral("surname"),    QStringLiteral("email")};
    return selectRow(QStringLiteral("SELECT * FROM users WHERE id = ? LIMIT 1;"), id, keys,
                     QStringLiteral("Retrieving an user with id %1 is failed: %2"));
}

QVariantMap DataAccessObject::retrieveRoleById(int id)
{
    if (!isOwnerThread())
        return resultFromOwnerThread<QVariantMap>([=] { return retrieveRoleById(id); });
    static const QStringList keys = {QStringLiteral("id"), QStringLiteral("name"), QStringLiteral("type")};
    return selectRow(QStringLiteral("SELECT * FROM roles WHERE id = ? LIMIT 1;"), id, keys,
                     QStringLiteral("Retrieving an role with id %1 is failed: %2"));
}

QSqlQuery DataAccessObject::retrieveEntitiesByQuery(const QString &sql)
{
    if (!isOwnerThread()) {
        // A query cannot be read on another thread than its connection's;
        // the caller gets one without rows that carries an error.
        qCritical() << "Cache rows can only be read on the cache's own thread";
        return QSqlQuery(static_cast<QSqlResult *>(nullptr));
    }
    QSqlQuery query(m_db);
    query.prepare(sql);
    query.exec();
    return query;
}

QVariant DataAccessObject::selectValue(const QString &sql, const QVariantList &values, const char *failure)
{
    QSqlQuery query(m_db);
    query.prepare(sql);
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (query.exec() && query.next())
        return query.value(0);
    qWarning() << failure << query.lastError().text();
    return QVariant();
}

QVariantMap DataAccessObject::selectRow(const QString &sql, int id, const QStringList &keys, const QString &failure)
{
    QSqlQuery query(m_db);
    query.prepare(sql);
    query.bindValue(0, id);
    QVariantMap row;
    if (!query.exec() || !query.next()) {
        qWarning().noquote() << failure.arg(id).arg(query.lastError().text());
        return row;
    }
    for (int column = 0; column < keys.size(); ++column)
        row.insert(keys.at(column), query.value(column));
    return row;
}

// --- Users and roles ---------------------------------------------------------

void DataAccessObject::insertUsers(const QList<QVariant> &users)
{
    if (postedToOwnerThread([=] { insertUsers(users); }))
        return;
    if (users.isEmpty())
        return;
    logRows("Inserting users:", users);
    if (insertPortalObjects(m_db, users, QStringLiteral("users(id, name, contact_id, type, first_name, surname, email)"),
                            s_userFields))
        qInfo() << "Users are inserted";
    emit usersChanged();
}

void DataAccessObject::insertRoles(const QList<QVariant> &roles)
{
    if (postedToOwnerThread([=] { insertRoles(roles); }))
        return;
    if (roles.isEmpty())
        return;
    logRows("Inserting roles:", roles);
    if (insertPortalObjects(m_db, roles, QStringLiteral("roles(id, name, type)"), s_roleFields))
        qInfo() << "Roles are inserted";
    emit rolesChanged();
}

void DataAccessObject::insertRoles(const QList<UserOrRoleEntity> &roles)
{
    QList<QVariant> objects;
    for (const UserOrRoleEntity &role : roles)
        objects.append(QVariantMap{{QStringLiteral("Id"), role.id}, {QStringLiteral("Name"), role.name}});
    insertRoles(objects);
}

void DataAccessObject::deleteAllFilesAndFolders()
{
    if (postedToOwnerThread([=] { deleteAllFilesAndFolders(); }))
        return;
    qInfo() << "Deleting all files and folders";
    if (deleteAllRecords(s_filesAndFolders)) {
        qInfo() << "All files and folders are deleted";
        emit filesAndFoldersChanged();
    }
}

void DataAccessObject::deleteAllUsers()
{
    if (postedToOwnerThread([=] { deleteAllUsers(); }))
        return;
    qInfo() << "Deleting all users";
    if (deleteAllRecords(QStringLiteral("users"))) {
        qInfo() << "All users are deleted";
        emit usersChanged();
    }
}

void DataAccessObject::clearDatabase()
{
    if (postedToOwnerThread([=] { clearDatabase(); }))
        return;
    // Nothing of the previous account may stay visible after a sign-in.
    deleteMetadirectoriesAndRoles();
    deleteAllFilesAndFolders();
    deleteAllUsers();
}

void DataAccessObject::deleteMetadirectoriesAndRoles()
{
    qInfo() << "Deleting all metadirectory listings and roles";
    for (const QString &table : {s_sharedDocuments, s_sharedAccessDocuments, s_availableDocuments, s_lastDocuments})
        deleteAllRecords(table);
    if (deleteAllRecords(QStringLiteral("roles")))
        emit rolesChanged();
}

bool DataAccessObject::deleteAllRecords(const QString &table)
{
    QSqlQuery query(m_db);
    if (query.exec(QStringLiteral("DELETE FROM %1").arg(table)))
        return true;
    qWarning().noquote() << "Delete failed: " + query.lastError().text();
    return false;
}

// --- Passwords ---------------------------------------------------------------

bool DataAccessObject::insertPassword(const QString &name, const QString &password)
{
    if (!isOwnerThread())
        return resultFromOwnerThread<bool>([=] { return insertPassword(name, password); });
    if (name.isEmpty() || password.isEmpty())
        return false;
    // The password itself never goes into the log.
    qInfo().noquote() << "Inserting password:" << QLatin1Char('\t') + name;
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO passwords(name, password) VALUES(:name, :password)"));
    query.bindValue(QStringLiteral(":name"), name);
    query.bindValue(QStringLiteral(":password"), password);
    if (!query.exec()) {
        qCritical().noquote() << "Insert password failed: " + query.lastError().text();
        return false;
    }
    qInfo() << "Password is inserted";
    emit passwordChanged(name);
    return true;
}

QString DataAccessObject::getPassword(const QString &name)
{
    bool ok = false;
    return getPassword(name, &ok);
}

QString DataAccessObject::getPassword(const QString &name, bool *ok)
{
    if (!isOwnerThread())
        return resultFromOwnerThread<QString>([=] { return getPassword(name, ok); });
    *ok = true;
    if (name.isEmpty())
        return QString();
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT password FROM passwords WHERE name == :name"));
    query.bindValue(QStringLiteral(":name"), name);
    if (!query.exec()) {
        qWarning().noquote() << "Select password failed: " + query.lastError().text();
        *ok = false;
        return QString();
    }
    QString password;
    while (query.next())
        password = query.value(0).toString();
    return password;
}

bool DataAccessObject::removePassword(const QString &name)
{
    if (!isOwnerThread())
        return resultFromOwnerThread<bool>([=] { return removePassword(name); });
    if (name.isEmpty())
        return false;
    qInfo().noquote() << "Removing password:" << QLatin1Char('\t') + name;
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("DELETE FROM passwords WHERE name = :name"));
    query.bindValue(QStringLiteral(":name"), name);
    if (!query.exec()) {
        qCritical().noquote() << "Delete password failed: " + query.lastError().text();
        return false;
    }
    qInfo() << "Password is deleted";
    emit passwordChanged(name);
    return true;
}

// --- Logging -----------------------------------------------------------------

void DataAccessObject::logRows(const char *title, const QList<QVariant> &rows)
{
    // Row dumps are only kept in the event log while debug output is on;
    // listings can hold thousands of rows, so they are not built otherwise.
    if (!debugStatus())
        return;
    qInfo() << title;
    for (const QVariant &row : rows)
        qInfo().noquote() << EventLogger::variantMapToJsonString(row.toMap());
}
