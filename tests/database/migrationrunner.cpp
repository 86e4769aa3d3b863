// Runs the cache migrations on one file in a process of its own, so that the
// checks can watch a failing migration end the process.
// Usage: migrationrunner <database file> <migrations directory> [--foreign-keys]
#include "database/migrations.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 3)
        return 2;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(arguments.at(1));
    if (!db.open())
        return 3;
    if (arguments.contains(QStringLiteral("--foreign-keys")))
        QSqlQuery(db).exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    Migrations migrations(arguments.at(2));
    migrations.setDb(db);
    return migrations.performMigration() ? 0 : 1;
}
