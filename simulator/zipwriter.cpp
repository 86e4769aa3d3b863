#include "simulator/zipwriter.h"

#include <QDebug>

#include <memory>
#include <zip.h>

namespace {
struct SourceRelease
{
    void operator()(zip_source_t *source) const { zip_source_free(source); }
};
using Source = std::unique_ptr<zip_source_t, SourceRelease>;

bool addEntry(zip_t *archive, const QByteArray &name, const QByteArray &data, bool isDirectory)
{
    if (isDirectory)
        return zip_dir_add(archive, name.constData(), ZIP_FL_ENC_UTF_8) >= 0;
    // The entry's bytes stay alive in the writer until the archive is closed.
    zip_source_t *source = zip_source_buffer(archive, data.constData(), zip_uint64_t(data.size()), 0);
    if (!source)
        return false;
    if (zip_file_add(archive, name.constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
        zip_source_free(source);
        return false;
    }
    return true;
}

QByteArray contentsOf(zip_source_t *source)
{
    zip_stat_t stat;
    if (zip_source_stat(source, &stat) < 0 || zip_source_open(source) < 0)
        return QByteArray();
    QByteArray bytes(int(stat.size), Qt::Uninitialized);
    const zip_int64_t read = zip_source_read(source, bytes.data(), stat.size);
    zip_source_close(source);
    return read == zip_int64_t(stat.size) ? bytes : QByteArray();
}
} // namespace

void ZipWriter::addFile(const QString &path, const QByteArray &data)
{
    m_entries.append(Entry{path.toUtf8(), data, false});
}

void ZipWriter::addDirectory(const QString &path)
{
    QString name = path;
    if (name.endsWith(QLatin1Char('/')))
        name.chop(1);
    m_entries.append(Entry{name.toUtf8(), QByteArray(), true});
}

QByteArray ZipWriter::finish() const
{
    zip_error_t error;
    zip_error_init(&error);
    Source buffer(zip_source_buffer_create(nullptr, 0, 0, &error));
    zip_t *archive = buffer ? zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &error) : nullptr;
    if (!archive) {
        qWarning() << "Cannot start a zip archive:" << zip_error_strerror(&error);
        zip_error_fini(&error);
        return QByteArray();
    }
    zip_error_fini(&error);
    // The archive's bytes are read from the buffer after the archive is closed.
    zip_source_keep(buffer.get());
    for (const Entry &entry : m_entries) {
        if (!addEntry(archive, entry.name, entry.data, entry.isDirectory)) {
            qWarning() << "Cannot add" << entry.name << "to a zip archive:" << zip_strerror(archive);
            zip_discard(archive);
            return QByteArray();
        }
    }
    if (zip_close(archive) < 0) {
        qWarning() << "Cannot write a zip archive:" << zip_strerror(archive);
        zip_discard(archive);
        return QByteArray();
    }
    return contentsOf(buffer.get());
}
