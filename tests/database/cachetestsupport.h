#pragma once

#include "database/dataaccessobject.h"
#include "database/userorroleentity.h"

#include <QMutex>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantMap>

#include <memory>
#include <optional>

// Records every log line while it exists (any thread), instead of printing.
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();

    // All lines, or those of one type.
    QStringList messages(std::optional<QtMsgType> type = std::nullopt) const;
    int count(const QString &fragment) const;
    void clear();

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &message);
};

// A migrated cache file in a fresh temporary directory.
class CacheFixture
{
public:
    CacheFixture();

    DataAccessObject &dao() { return *m_dao; }
    QString directory() const { return m_directory.path(); }
    QString fileName() const;
    void reopen();
    void close() { m_dao.reset(); }

    // One value or row count straight from SQL, bypassing the cache object.
    QVariant value(const QString &sql, const QVariantList &values = {}) const;
    int count(const QString &table, const QString &where = QString(), const QVariantList &values = {}) const;
    // SQLite's limit on bound parameters of one statement, as a small build has it.
    void limitBoundParameters(int limit);

private:
    QTemporaryDir m_directory;
    std::unique_ptr<DataAccessObject> m_dao;
};

// Builds the cache schema on db with the embedded migrations.
void migrate(const QSqlDatabase &db);

// Portal objects as the listing requests deliver them.
QVariantMap portalFile(int id, int directoryId, const QString &name, const QVariantMap &extra = {});
QVariantMap portalFolder(int id, int parentId, const QString &name, const QVariantMap &extra = {});
QList<QVariant> portalFiles(int count, int directoryId, const QString &namePrefix = QStringLiteral("file"));

// A user, or a role when isGroup, with its access level, as the sharing calls take them.
inline UserOrRoleEntity principal(int id, qint16 access, bool isGroup = false, const QString &name = QString())
{
    return {id, access, false, isGroup, name};
}
