#include "localfiles/localfilesmodel.h"

#include "localfiles/containerpaths.h"
#include "localfiles/trashnames.h"
#include "securestorage/sstorewrapper.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QHash>
#include <QSet>

namespace {
QFileInfoList listFiles(const QString &directoryPath)
{
    if (directoryPath.isEmpty())
        return {};
    return QDir(directoryPath).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
}

QList<LocalFilesModel::CustomFileInfo> unselected(const QFileInfoList &files)
{
    QList<LocalFilesModel::CustomFileInfo> rows;
    rows.reserve(files.size());
    for (const QFileInfo &file : files)
        rows.append({file, false});
    return rows;
}
} // namespace

LocalFilesModel::LocalFilesModel(QObject *parent)
    : QAbstractListModel(parent)
{
    m_pollTimer.setParent(this);
    m_pollTimer.setInterval(s_pollIntervalMs);
    connect(&m_pollTimer, &QTimer::timeout, this, &LocalFilesModel::updateFiles);
}

int LocalFilesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_files.size();
}

QVariant LocalFilesModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const CustomFileInfo &row = m_files.at(index.row());
    switch (role) {
    case NameRole:
        return displayName(row.info);
    case TimestampRole:
        return row.info.lastModified();
    case SizeRole:
        return row.info.size();
    case PathRole:
        return row.info.absoluteFilePath();
    case SelectedRole:
        return row.selected;
    default:
        return QVariant();
    }
}

bool LocalFilesModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != SelectedRole || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    bool &selected = m_files[index.row()].selected;
    if (selected == value.toBool())
        return false;
    selected = value.toBool();
    emit dataChanged(index, index, {SelectedRole});
    return true;
}

QHash<int, QByteArray> LocalFilesModel::roleNames() const
{
    return {{NameRole, "name"}, {TimestampRole, "timestamp"}, {SizeRole, "size"}, {PathRole, "path"},
            {SelectedRole, "selected"}};
}

void LocalFilesModel::setDirectoryPath(const QString &path)
{
    if (path == m_directoryPath)
        return;
    m_directoryPath = path;
    emit directoryPathChanged();
    updateFiles();
}

void LocalFilesModel::setRootPath(const QString &path)
{
    if (path == m_rootPath)
        return;
    m_rootPath = path;
    emit rootPathChanged();
}

QString LocalFilesModel::displayName(const QFileInfo &info) const
{
    if (info.absolutePath().endsWith(SecureStorage::documentsSuffix()))
        return info.fileName();
    return TrashNames::untagged(info.fileName());
}

void LocalFilesModel::updateFiles()
{
    const QFileInfoList files = listFiles(m_directoryPath);
    if (!files.isEmpty() && !m_files.isEmpty())
        mergeFiles(files);
    else if (!files.isEmpty() || !m_files.isEmpty())
        resetFiles(files);
    m_pollTimer.start();
}

void LocalFilesModel::mergeFiles(const QFileInfoList &files)
{
    // Rows by path, so that a poll of a large folder stays linear.
    QHash<QString, int> rows;
    rows.reserve(m_files.size());
    for (int row = 0; row < m_files.size(); ++row)
        rows.insert(m_files.at(row).info.absoluteFilePath(), row);
    QSet<QString> listed;
    for (const QFileInfo &file : files) {
        listed.insert(file.absoluteFilePath());
        const int row = rows.value(file.absoluteFilePath(), -1);
        if (row < 0) {
            qInfo().noquote() << "Insert new local file" << file.fileName();
            rows.insert(file.absoluteFilePath(), m_files.size());
            beginInsertRows(QModelIndex(), m_files.size(), m_files.size());
            m_files.append({file, false});
            endInsertRows();
            continue;
        }
        // A file still being written grows between two reads.
        QFileInfo &known = m_files[row].info;
        if (known.size() != file.size() || known.lastModified() != file.lastModified()) {
            known = file;
            emit dataChanged(index(row), index(row), {TimestampRole, SizeRole});
        }
    }
    for (int row = m_files.size() - 1; row >= 0; --row) {
        if (listed.contains(m_files.at(row).info.absoluteFilePath()))
            continue;
        qInfo().noquote() << "Remove old local file" << m_files.at(row).info.fileName();
        beginRemoveRows(QModelIndex(), row, row);
        m_files.removeAt(row);
        endRemoveRows();
    }
}

void LocalFilesModel::resetFiles(const QFileInfoList &files)
{
    qInfo() << "Reset model because new data is empty";
    beginResetModel();
    m_files = unselected(files);
    endResetModel();
}

bool LocalFilesModel::isFileIn(const QStringList &folders, const QString &path, const char *operation) const
{
    if (m_rootPath.isEmpty()) {
        qWarning() << operation << "refused: no storage is open";
        return false;
    }
    for (const QString &folder : folders) {
        if (ContainerPaths::holdsFile(folder, path))
            return true;
    }
    qWarning().noquote() << operation << "refused: not a file of" << folders.join(QStringLiteral(", ")) << ":" << path;
    return false;
}

void LocalFilesModel::moveFileToTrash(const QString &path)
{
    const ContainerPaths container(m_rootPath);
    if (!isFileIn({container.documents()}, path, "Move file to trash"))
        return;
    const QString target = container.trash() + QLatin1Char('/')
        + TrashNames::tagged(QFileInfo(path).fileName(), QDateTime::currentMSecsSinceEpoch());
    qInfo().noquote() << "Move file to trash" << target;
    if (!QFile::rename(path, target))
        qWarning().noquote() << "Cannot move" << path << "to" << target;
    updateFiles();
}

void LocalFilesModel::restoreFile(const QString &path)
{
    const ContainerPaths container(m_rootPath);
    if (!QFileInfo::exists(path) || !isFileIn({container.trash()}, path, "Restore file"))
        return;
    const TrashNames names(QFileInfo(path).fileName());
    for (int attempt = 0;; ++attempt) {
        const QString target = container.documents() + QLatin1Char('/') + names.restoreCandidate(attempt);
        if (QFileInfo::exists(target))
            continue;
        qInfo().noquote() << "Move file from trash to documents" << target;
        if (QFile::rename(path, target))
            break;
        // rename never replaces a file: only a name taken meanwhile is worth another try.
        if (!QFileInfo::exists(target)) {
            qWarning().noquote() << "Cannot restore" << path << "to" << target;
            break;
        }
    }
    updateFiles();
}

void LocalFilesModel::removeFile(const QString &path)
{
    const ContainerPaths container(m_rootPath);
    if (!isFileIn({container.documents(), container.trash()}, path, "Remove file"))
        return;
    qInfo().noquote() << "Remove file" << path;
    if (!QFile::remove(path))
        qWarning().noquote() << "Cannot remove" << path;
    updateFiles();
}

void LocalFilesModel::clearTrash()
{
    const ContainerPaths container(m_rootPath);
    if (!container.isOpen()) {
        qWarning() << "Clear trash refused: no storage is open";
        return;
    }
    for (const QFileInfo &file : listFiles(container.trash())) {
        qInfo().noquote() << "Remove file" << file.absoluteFilePath();
        if (!QFile::remove(file.absoluteFilePath()))
            qWarning().noquote() << "Cannot remove" << file.absoluteFilePath();
    }
    updateFiles();
}
