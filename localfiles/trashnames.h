#pragma once

#include <QString>

// Names of files in the local trash: the time tag a trashed file carries, and
// the names a restored file tries in turn so that nothing is overwritten.
class TrashNames
{
public:
    static QString tagged(const QString &fileName, qint64 msecsSinceEpoch);
    // The name without any time tag.
    static QString untagged(const QString &fileName);

    // Restoring trashFileName: attempt 0 is the original name, later attempts
    // carry a "_restore_" number that grows past any the name had already.
    explicit TrashNames(const QString &trashFileName);
    QString restoreCandidate(int attempt) const;

private:
    QString m_base;
    QString m_suffix;
    bool m_hasDot = false;
    int m_index = 0;
};
