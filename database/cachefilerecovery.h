#pragma once

#include <QList>
#include <QPair>
#include <QString>

// What can be done with a cache file that SQLite cannot use. The cache only
// mirrors the portal, except for the saved passwords, which are read out
// before the file is set aside for inspection.
class CacheFileRecovery
{
public:
    using Password = QPair<QString, QString>;

    // The (name, password) rows that can still be read, possibly none.
    static QList<Password> salvagePasswords(const QString &fileName);
    // Renames the file and its journals to "<file>.corrupt-<time>" (a journal
    // that cannot be moved is removed); returns the new name of the file, or
    // an empty string when the name is not free for a fresh cache.
    static QString moveAside(const QString &fileName);
};
