#pragma once

#include "database/sqldatabasemetatype.h"

#include <QFileInfo>
#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// Brings the cache schema up to date: applies every SQL file of the
// migrations directory whose name sorts after the version stored in
// version_info, once each, in name order, each in its own transaction.
// A failure ends the process: the cache cannot be used with half a schema.
class Migrations : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QSqlDatabase db READ db WRITE setDb NOTIFY dbChanged)

public:
    static const QString s_embeddedDirectory;

    explicit Migrations(QObject *parent = nullptr);
    // Another directory of migration files, for checking the runner itself.
    explicit Migrations(const QString &directory, QObject *parent = nullptr);

    QSqlDatabase db() const;
    void setDb(const QSqlDatabase &db);

    Q_INVOKABLE bool performMigration();

signals:
    void dbChanged();

private:
    bool enshureVersionTableExist();
    bool initializeMigrationTable();
    bool createVersionTable();
    bool setSchemaVersion(const QString &version);
    QString extractDataFromVersionTable();
    QStringList openAndReadSqlFile(const QFileInfo &file, bool *ok);
    bool applySqlFile(const QStringList &statements, const QFileInfo &file);
    void rollback();

    QSqlDatabase m_db;
    QString m_directory;
};
