#include "database/cachefilerecovery.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {
const QString s_salvageConnection = QStringLiteral("vellix-cache-salvage");
// A journal left beside the file would otherwise be replayed into the fresh cache.
const QStringList s_journalSuffixes = {QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")};
} // namespace

QList<CacheFileRecovery::Password> CacheFileRecovery::salvagePasswords(const QString &fileName)
{
    QList<Password> passwords;
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), s_salvageConnection);
        db.setDatabaseName(fileName);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(db);
            // Lets SQLite read a file shorter than its header claims (a cut-off
            // copy); the connection is read-only, so nothing is written.
            query.exec(QStringLiteral("PRAGMA writable_schema = ON"));
            if (query.exec(QStringLiteral("SELECT name, password FROM passwords"))) {
                // A damaged table may still yield the rows before the damage.
                while (query.next()) {
                    const QString name = query.value(0).toString();
                    const QString password = query.value(1).toString();
                    if (!name.isEmpty() && !password.isEmpty())
                        passwords.append({name, password});
                }
            }
            error = query.lastError().text();
        } else {
            error = db.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(s_salvageConnection);
    qWarning().noquote() << QStringLiteral("Passwords read from the unusable cache: %1").arg(passwords.size())
                         << error.trimmed();
    return passwords;
}

QString CacheFileRecovery::moveAside(const QString &fileName)
{
    const QString keptAs = QStringLiteral("%1.corrupt-%2")
                               .arg(fileName, QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")));
    if (!QFile::rename(fileName, keptAs)) {
        qCritical().noquote() << QStringLiteral("The unusable cache %1 cannot be moved aside").arg(fileName);
        return QString();
    }
    for (const QString &suffix : s_journalSuffixes) {
        const QString journal = fileName + suffix;
        if (QFile::exists(journal) && !QFile::rename(journal, keptAs + suffix) && !QFile::remove(journal)) {
            qCritical().noquote() << QStringLiteral("The journal %1 cannot be moved aside").arg(journal);
            return QString();
        }
    }
    return keptAs;
}
