#include "simulator/zipwriter.h"

#include "simulator/bytes.h"

#include <array>

namespace {
void put16(QByteArray *out, quint16 value)
{
    Bytes::appendLittle(out, value);
}

void put32(QByteArray *out, quint32 value)
{
    Bytes::appendLittle(out, value);
}

// 1 January 2024, 12:00, in MS-DOS form; archives need no real times.
constexpr quint16 s_dosTime = 12 << 11;
constexpr quint16 s_dosDate = ((2024 - 1980) << 9) | (1 << 5) | 1;
constexpr quint16 s_utf8NamesFlag = 0x0800;
} // namespace

quint32 crc32Of(const QByteArray &data)
{
    static const auto table = [] {
        std::array<quint32, 256> entries{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 value = i;
            for (int bit = 0; bit < 8; ++bit)
                value = (value & 1) ? 0xEDB88320u ^ (value >> 1) : value >> 1;
            entries[i] = value;
        }
        return entries;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : data)
        crc = table[(crc ^ static_cast<quint8>(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void ZipWriter::addFile(const QString &path, const QByteArray &data)
{
    m_entries.append(Entry{path.toUtf8(), data, crc32Of(data)});
}

void ZipWriter::addDirectory(const QString &path)
{
    QString name = path;
    if (!name.endsWith(QLatin1Char('/')))
        name += QLatin1Char('/');
    m_entries.append(Entry{name.toUtf8(), QByteArray(), 0});
}

QByteArray ZipWriter::finish() const
{
    QByteArray archive;
    QByteArray directory;
    for (const Entry &entry : m_entries) {
        const quint32 offset = static_cast<quint32>(archive.size());
        put32(&archive, 0x04034b50);
        put16(&archive, 20);
        put16(&archive, s_utf8NamesFlag);
        put16(&archive, 0); // stored
        put16(&archive, s_dosTime);
        put16(&archive, s_dosDate);
        put32(&archive, entry.crc);
        put32(&archive, static_cast<quint32>(entry.data.size()));
        put32(&archive, static_cast<quint32>(entry.data.size()));
        put16(&archive, static_cast<quint16>(entry.name.size()));
        put16(&archive, 0);
        archive.append(entry.name);
        archive.append(entry.data);

        put32(&directory, 0x02014b50);
        put16(&directory, 0x031E); // made by Unix, version 3.0
        put16(&directory, 20);
        put16(&directory, s_utf8NamesFlag);
        put16(&directory, 0);
        put16(&directory, s_dosTime);
        put16(&directory, s_dosDate);
        put32(&directory, entry.crc);
        put32(&directory, static_cast<quint32>(entry.data.size()));
        put32(&directory, static_cast<quint32>(entry.data.size()));
        put16(&directory, static_cast<quint16>(entry.name.size()));
        put16(&directory, 0);
        put16(&directory, 0);
        put16(&directory, 0);
        put16(&directory, 0);
        const bool isDirectory = entry.name.endsWith('/');
        put32(&directory, isDirectory ? (040755u << 16) | 0x10 : (0100644u << 16));
        put32(&directory, offset);
        directory.append(entry.name);
    }
    const quint32 directoryOffset = static_cast<quint32>(archive.size());
    archive.append(directory);
    put32(&archive, 0x06054b50);
    put16(&archive, 0);
    put16(&archive, 0);
    put16(&archive, static_cast<quint16>(m_entries.size()));
    put16(&archive, static_cast<quint16>(m_entries.size()));
    put32(&archive, static_cast<quint32>(directory.size()));
    put32(&archive, directoryOffset);
    put16(&archive, 0);
    return archive;
}
