#pragma once

#include "database/folderelemententity.h"

#include <QAbstractListModel>
#include <QList>

// The files and folders a portal page shows, in order of arrival; a proxy
// orders the view. A refresh is merged, never reset, so a view keeps its place.
class RemoteEntitiesModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum ElementRoles {
        NameRole = Qt::UserRole + 1,
        OwnerIdRole,
        TimestampRole,
        IdRole,
        ElementTypeRole,
        FavoriteRole,
        BusyRole,
        SizeRole,
        TypeRole,
        SelectedRole,
        CanConvertToPdfRole,
        SharedRole,
        Metatype
    };
    Q_ENUM(ElementRoles)

    explicit RemoteEntitiesModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;
    // Only the selection is writable.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    Q_INVOKABLE void clear();
    Q_INVOKABLE FolderElementEntity getEntity(int index) const;
    // The entity of a row in range, without a copy.
    const FolderElementEntity &entityAt(int row) const { return m_entities.at(row); }
    QList<FolderElementEntity> getEntities(bool isFile) const;
    QList<FolderElementEntity> getFiles() const { return getEntities(true); }
    QList<FolderElementEntity> getFolders() const { return getEntities(false); }

    // The part of a name after its last dot, or the whole name without one.
    static QString extension(const QString &name);
    static QStringView extensionView(const QString &name);

public slots:
    // Rows without an equal in the new list go (runs of adjacent rows at
    // once), new entities without an equal among the rows are appended; the
    // rest stay where they are. Hashing keeps this linear in both lists;
    // the rows that went and came are logged as counts.
    void setEntitiesData(const QList<FolderElementEntity> &newFilesData);

signals:
    // After a merge that removed or added rows.
    void structChanged();

private:
    // Removes the rows marked, runs of adjacent rows at once; whether any went.
    bool removeVanished(const QVector<bool> &vanished);

    QList<FolderElementEntity> m_entities;
};
