#include "fsutils.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {

const QString s_profileDirectory = QStringLiteral("/.mozilla");

QString cacheDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
}

// An empty path would make QDir act on the working directory.
bool isUsableCacheDirectory(const QString &path)
{
    if (path.isEmpty() || !QDir::isAbsolutePath(path)) {
        qWarning() << "Cache location" << path << "is empty or not absolute, skipping";
        return false;
    }
    return true;
}

} // namespace

namespace FSUtils {

void clearCache()
{
    const QString path = cacheDirectory();
    qInfo() << "Clear cache" << path;
    if (!isUsableCacheDirectory(path))
        return;
    const QDir dir(path);
    const QFileInfoList directories = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QFileInfo &entry : directories) {
        const bool removed = QDir(entry.absoluteFilePath()).removeRecursively();
        qInfo() << "Remove dir" << entry.absoluteFilePath() << ":" << (removed ? "true" : "false");
    }
    const QFileInfoList files = dir.entryInfoList(QDir::Files, QDir::NoSort);
    for (const QFileInfo &entry : files) {
        const bool removed = QFile::remove(entry.absoluteFilePath());
        qInfo() << "Remove file" << entry.absoluteFilePath() << ":" << (removed ? "true" : "false");
    }
}

void prepareUserWebSettings()
{
    const QString path = cacheDirectory();
    if (!isUsableCacheDirectory(path))
        return;
    if (!QDir(path + s_profileDirectory).exists()) {
        qInfo() << "Create cache directory";
        // The cache directory itself may not exist yet on a first start.
        if (!QDir().mkpath(path + s_profileDirectory))
            qWarning() << "Cannot create" << path + s_profileDirectory;
    }
    const QString target = QStringLiteral("%1%2/user.js").arg(path, s_profileDirectory);
    if (QFile::exists(target))
        return;
    qInfo() << "Copy new settings to" << target;
    if (!QFile::copy(QStringLiteral(":/webSettings/user.js"), target)) {
        qWarning() << "Cannot copy the web settings to" << target;
        return;
    }
    // Files copied out of the resources are read-only; the web engine may rewrite it.
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}

} // namespace FSUtils
