#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Collects entries and builds a zip archive of them in memory with libzip:
// the folder archives and the office documents of the demo data.
class ZipWriter
{
public:
    void addFile(const QString &path, const QByteArray &data);
    void addDirectory(const QString &path);
    // The archive; empty when libzip could not build it (logged).
    QByteArray finish() const;

private:
    struct Entry
    {
        QByteArray name;
        QByteArray data;
        bool isDirectory = false;
    };
    QList<Entry> m_entries;
};
