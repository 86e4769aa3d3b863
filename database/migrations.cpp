#include "database/migrations.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

const QString Migrations::s_embeddedDirectory = QStringLiteral(":/migrations/");

namespace {
const QString s_versionTable = QStringLiteral("version_info");
const QString s_initialVersion = QStringLiteral("0");
} // namespace

Migrations::Migrations(QObject *parent)
    : Migrations(s_embeddedDirectory, parent)
{
}

Migrations::Migrations(const QString &directory, QObject *parent)
    : QObject(parent)
    , m_directory(directory)
{
}

QSqlDatabase Migrations::db() const
{
    return m_db;
}

void Migrations::setDb(const QSqlDatabase &db)
{
    m_db = db;
    emit dbChanged();
}

bool Migrations::performMigration()
{
    // Each step logs what failed; the process then ends with the summary.
    if (!enshureVersionTableExist())
        qFatal("Migrations: The analysis of the migration table ended with an error. Migration completed ahead of schedule");

    const QString version = extractDataFromVersionTable();
    const QFileInfoList files = QDir(m_directory).entryInfoList(QDir::Files);
    for (const QFileInfo &file : files) {
        if (file.fileName() <= version)
            continue;
        bool ok = false;
        const QStringList statements = openAndReadSqlFile(file, &ok);
        if (!ok || !applySqlFile(statements, file))
            qFatal("Migrations: Error reading sql file. Migration completed ahead of schedule.");
    }
    return true;
}

bool Migrations::enshureVersionTableExist()
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' AND name='version_info';"))) {
        qCritical("Migrations: Сhecking for the presence of a table failed: %s", qPrintable(query.lastError().text()));
        return false;
    }
    QString name = s_initialVersion;
    if (query.next())
        name = query.value(0).toString();
    query.finish();
    return name == s_versionTable || initializeMigrationTable();
}

bool Migrations::initializeMigrationTable()
{
    if (!createVersionTable()) {
        qCritical("Migrations: Initialization of the table with the version is broken at the stage of creating the table.");
        return false;
    }
    if (!setSchemaVersion(s_initialVersion)) {
        qCritical("Migrations: Initialization of the table with the version is interrupted at the stage of filling in the table.");
        return false;
    }
    return true;
}

bool Migrations::createVersionTable()
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("CREATE TABLE version_info (version VARCHAR(200));"))) {
        qCritical("Migrations: Error in creating the version table: %s", qPrintable(query.lastError().text()));
        return false;
    }
    return true;
}

bool Migrations::setSchemaVersion(const QString &version)
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("DELETE FROM version_info;"))) {
        qCritical("Migrations: Error in clearing the version table: %s", qPrintable(query.lastError().text()));
        return false;
    }
    query.prepare(QStringLiteral("INSERT INTO version_info (version) VALUES (:version);"));
    query.bindValue(QStringLiteral(":version"), version);
    if (!query.exec()) {
        qCritical("Migrations: Error in filling in the version table: %s", qPrintable(query.lastError().text()));
        return false;
    }
    return true;
}

QString Migrations::extractDataFromVersionTable()
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT * FROM version_info")))
        qFatal("Migrations: Error when extracting data from the version table: %s", qPrintable(query.lastError().text()));
    return query.next() ? query.value(0).toString() : s_initialVersion;
}

QStringList Migrations::openAndReadSqlFile(const QFileInfo &file, bool *ok)
{
    QFile sqlFile(file.absoluteFilePath());
    *ok = sqlFile.open(QIODevice::ReadOnly | QIODevice::Text);
    if (!*ok) {
        qCritical("Migrations: An error occurred when opening the file");
        return {};
    }
    QTextStream stream(&sqlFile);
    stream.setCodec("UTF-8");
    return stream.readAll().split(QLatin1Char(';'));
}

bool Migrations::applySqlFile(const QStringList &statements, const QFileInfo &file)
{
    const QByteArray fileName = file.fileName().toLocal8Bit();
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("BEGIN TRANSACTION;"))) {
        qCritical("Migrations: Error in starting the file '%s', type of error: %s", fileName.constData(),
                  qPrintable(query.lastError().text()));
        return false;
    }
    for (const QString &statement : statements) {
        if (statement.trimmed().isEmpty())
            continue;
        if (!query.exec(statement)) {
            qCritical("Migrations: Error in the file '%s', sql-query '%s', type of error: %s", fileName.constData(),
                      qPrintable(statement), qPrintable(query.lastError().text()));
            query.finish();
            rollback();
            return false;
        }
        query.finish();
    }
    qInfo("Migrations: migration '%s' has been completed", fileName.constData());
    if (!setSchemaVersion(file.fileName())) {
        qCritical("Migrations: Error updating the version table");
        rollback();
        return false;
    }
    if (!query.exec(QStringLiteral("COMMIT;"))) {
        qCritical("Migrations: Error in committing the file '%s', type of error: %s", fileName.constData(),
                  qPrintable(query.lastError().text()));
        rollback();
        return false;
    }
    return true;
}

void Migrations::rollback()
{
    QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK;"));
}
