#pragma once

#include <QByteArray>
#include <QString>

// Bytes of the stored files, one file per id under the data directory.
class FileStore
{
public:
    // Creates the directory when missing; false when it cannot be used.
    bool open(const QString &directory, QString *error);
    QString directory() const { return m_directory; }

    int store(const QByteArray &bytes);
    QByteArray read(int fileId) const;
    qint64 size(int fileId) const;
    bool exists(int fileId) const;
    int copy(int fileId);
    void remove(int fileId);
    void clear();

private:
    QString pathOf(int fileId) const;

    QString m_directory;
    int m_lastId = 0;
};
