#include "cachetestsupport.h"

#include "database/migrations.h"

#include <QMutexLocker>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QVector>
#include <QtTest>

#include <sqlite3.h>

namespace {
QMutex s_mutex;
QVector<QPair<QtMsgType, QString>> s_messages;
QtMessageHandler s_previous = nullptr;
} // namespace

LogCapture::LogCapture()
{
    clear();
    s_previous = qInstallMessageHandler(&LogCapture::handler);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(s_previous);
}

void LogCapture::handler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    QMutexLocker lock(&s_mutex);
    s_messages.append({type, message});
}

QStringList LogCapture::messages(std::optional<QtMsgType> type) const
{
    QMutexLocker lock(&s_mutex);
    QStringList list;
    for (const auto &entry : qAsConst(s_messages)) {
        if (!type || entry.first == *type)
            list.append(entry.second);
    }
    return list;
}

int LogCapture::count(const QString &fragment) const
{
    return messages().filter(fragment).size();
}

void LogCapture::clear()
{
    QMutexLocker lock(&s_mutex);
    s_messages.clear();
}

CacheFixture::CacheFixture()
{
    reopen();
}

QString CacheFixture::fileName() const
{
    return m_directory.filePath(DataAccessObject::s_fileName);
}

void CacheFixture::reopen()
{
    m_dao.reset();
    m_dao = std::make_unique<DataAccessObject>(m_directory.path());
    // A throw-away file need not wait for the disk after every write.
    QSqlQuery(m_dao->db()).exec(QStringLiteral("PRAGMA synchronous = OFF"));
    migrate(m_dao->db());
}

QVariant CacheFixture::value(const QString &sql, const QVariantList &values) const
{
    QSqlQuery query(m_dao->db());
    query.prepare(sql);
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (!query.exec() || !query.next())
        return QVariant();
    return query.value(0);
}

int CacheFixture::count(const QString &table, const QString &where, const QVariantList &values) const
{
    return value(QStringLiteral("SELECT COUNT(*) FROM %1 %2").arg(table, where), values).toInt();
}

void CacheFixture::limitBoundParameters(int limit)
{
    const QVariant handle = m_dao->db().driver()->handle();
    QVERIFY(handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0);
    sqlite3 *connection = *static_cast<sqlite3 *const *>(handle.data());
    sqlite3_limit(connection, SQLITE_LIMIT_VARIABLE_NUMBER, limit);
    QCOMPARE(sqlite3_limit(connection, SQLITE_LIMIT_VARIABLE_NUMBER, -1), limit);
}

void migrate(const QSqlDatabase &db)
{
    Migrations migrations;
    migrations.setDb(db);
    migrations.performMigration();
}

QVariantMap portalFile(int id, int directoryId, const QString &name, const QVariantMap &extra)
{
    QVariantMap file{{"Id", id},   {"FileId", id + 100000}, {"OwnerId", 11}, {"Name", name}, {"DirectoryId", directoryId},
                     {"Size", 1024}, {"Timestamp", "2024-03-01T10:00:00"}, {"MimeType", "text/plain"}, {"IsFavorite", false}};
    file.insert(extra);
    return file;
}

QVariantMap portalFolder(int id, int parentId, const QString &name, const QVariantMap &extra)
{
    QVariantMap folder{{"Id", id}, {"OwnerId", 11}, {"Name", name}, {"ParentId", parentId}, {"Timestamp", "2024-03-01T09:00:00"}, {"Type", 0}};
    folder.insert(extra);
    return folder;
}

QList<QVariant> portalFiles(int count, int directoryId, const QString &namePrefix)
{
    QList<QVariant> files;
    files.reserve(count);
    for (int id = 1; id <= count; ++id)
        files.append(portalFile(id, directoryId, QStringLiteral("%1-%2.txt").arg(namePrefix).arg(id)));
    return files;
}
