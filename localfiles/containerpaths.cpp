#include "localfiles/containerpaths.h"

#include "securestorage/sstorewrapper.h"

#include <QDir>
#include <QFileInfo>

ContainerPaths::ContainerPaths(const QString &rootPath)
    : m_rootPath(rootPath)
{
}

QString ContainerPaths::documents() const
{
    return m_rootPath + SecureStorage::documentsSuffix();
}

QString ContainerPaths::trash() const
{
    return m_rootPath + SecureStorage::trashSuffix();
}

bool ContainerPaths::holdsFile(const QString &folder, const QString &path)
{
    const QFileInfo file(path);
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    return file.isFile() && !canonicalFolder.isEmpty()
        && QFileInfo(file.canonicalFilePath()).absolutePath() == canonicalFolder;
}

bool ContainerPaths::isPlainName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QChar::Null);
}
