#include "simulator/filestore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool FileStore::open(const QString &directory, QString *error)
{
    m_directory = QDir(directory).absoluteFilePath(QStringLiteral("files"));
    if (!QDir().mkpath(m_directory)) {
        *error = QStringLiteral("cannot create the data directory %1").arg(m_directory);
        return false;
    }
    clear();
    return true;
}

int FileStore::store(const QByteArray &bytes)
{
    const int fileId = ++m_lastId;
    // Scratch data of one run: no need to sync it to disk.
    QFile file(pathOf(fileId));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        fprintf(stderr, "cannot write %s\n", qPrintable(pathOf(fileId)));
        return 0;
    }
    return fileId;
}

QByteArray FileStore::read(int fileId) const
{
    QFile file(pathOf(fileId));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

qint64 FileStore::size(int fileId) const
{
    return QFileInfo(pathOf(fileId)).size();
}

bool FileStore::exists(int fileId) const
{
    return fileId > 0 && QFileInfo::exists(pathOf(fileId));
}

int FileStore::copy(int fileId)
{
    return store(read(fileId));
}

void FileStore::remove(int fileId)
{
    if (fileId > 0)
        QFile::remove(pathOf(fileId));
}

void FileStore::clear()
{
    QDir directory(m_directory);
    const QStringList names = directory.entryList(QDir::Files);
    for (const QString &name : names)
        directory.remove(name);
    m_lastId = 0;
}

QString FileStore::pathOf(int fileId) const
{
    return m_directory + QLatin1Char('/') + QString::number(fileId);
}
