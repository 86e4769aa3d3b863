#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Writes a zip archive with stored (uncompressed) entries: enough for folder
// archives and for the office documents of the demo data, and readable by
// every unzip tool.
class ZipWriter
{
public:
    void addFile(const QString &path, const QByteArray &data);
    void addDirectory(const QString &path);
    QByteArray finish() const;

private:
    struct Entry
    {
        QByteArray name;
        QByteArray data;
        quint32 crc = 0;
    };
    QList<Entry> m_entries;
};

quint32 crc32Of(const QByteArray &data);
