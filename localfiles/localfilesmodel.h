#pragma once

#include <QAbstractListModel>
#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTimer>

// The files of one folder of the container (documents or local trash), read
// again every two seconds, with a selection flag per file. Moves files between
// the two folders and deletes them, only ever inside the container.
class LocalFilesModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(QString directoryPath READ directoryPath WRITE setDirectoryPath NOTIFY directoryPathChanged)
    Q_PROPERTY(QString rootPath READ rootPath WRITE setRootPath NOTIFY rootPathChanged)

public:
    enum FileRoles { NameRole = Qt::UserRole + 1, TimestampRole, SizeRole, PathRole, SelectedRole };
    Q_ENUM(FileRoles)

    struct CustomFileInfo
    {
        QFileInfo info;
        bool selected = false;
    };

    static constexpr int s_pollIntervalMs = 2000;

    explicit LocalFilesModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    QHash<int, QByteArray> roleNames() const override;

    QString directoryPath() const { return m_directoryPath; }
    void setDirectoryPath(const QString &path);
    QString rootPath() const { return m_rootPath; }
    void setRootPath(const QString &path);

    Q_INVOKABLE void moveFileToTrash(const QString &path);
    Q_INVOKABLE void restoreFile(const QString &path);
    Q_INVOKABLE void removeFile(const QString &path);
    Q_INVOKABLE void clearTrash();

public slots:
    void updateFiles();

signals:
    void directoryPathChanged();
    void rootPathChanged();

private:
    QString displayName(const QFileInfo &info) const;
    void mergeFiles(const QFileInfoList &files);
    void resetFiles(const QFileInfoList &files);
    // Refuses and warns when no container is open or path is no file of the folders.
    bool isFileIn(const QStringList &folders, const QString &path, const char *operation) const;

    QTimer m_pollTimer;
    QList<CustomFileInfo> m_files;
    QString m_directoryPath;
    QString m_rootPath;
};
