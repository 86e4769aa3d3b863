#include "remotesortfiltermodel.h"

#include "models/sortingoptions.h"

RemoteSortFilterModel::RemoteSortFilterModel(QObject *parent)
    : QSortFilterProxyModel(parent)
{
    setFilterRole(RemoteEntitiesModel::NameRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
    setSortParameter(SortingOptions::Name);
}

void RemoteSortFilterModel::setSourceModel(RemoteEntitiesModel *model)
{
    if (m_source == model)
        return;
    if (m_source)
        disconnect(m_source, &RemoteEntitiesModel::structChanged, this, &RemoteSortFilterModel::resortAfterStructChange);
    m_source = model;
    QSortFilterProxyModel::setSourceModel(model);
    if (model)
        connect(model, &RemoteEntitiesModel::structChanged, this, &RemoteSortFilterModel::resortAfterStructChange);
    update();
    emit sourceModelChanged();
    emit sourceModelChanged(model);
}

void RemoteSortFilterModel::setSortParameter(int parameter)
{
    if (m_sortParameter == parameter)
        return;
    m_sortParameter = parameter;
    emit sortParameterChanged(parameter);
    update();
}

void RemoteSortFilterModel::setOrder(Qt::SortOrder order)
{
    if (m_order == order)
        return;
    m_order = order;
    emit orderChanged();
    update();
}

bool RemoteSortFilterModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != RemoteEntitiesModel::SelectedRole || !m_source)
        return false;
    return m_source->setData(mapToSource(index), value, role);
}

void RemoteSortFilterModel::update()
{
    switch (m_sortParameter) {
    case SortingOptions::Date:
        setSortRole(RemoteEntitiesModel::TimestampRole);
        break;
    case SortingOptions::Name:
        setSortRole(RemoteEntitiesModel::NameRole);
        break;
    case SortingOptions::Type:
        setSortRole(RemoteEntitiesModel::TypeRole);
        break;
    case SortingOptions::Size:
        setSortRole(RemoteEntitiesModel::SizeRole);
        break;
    case SortingOptions::Author:
        setSortRole(RemoteEntitiesModel::OwnerIdRole);
        break;
    default:
        break;
    }
    sort(0, m_order);
}

bool RemoteSortFilterModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    // Compares the entities themselves: going through QVariant for every
    // comparison made sorting the larger share of a page's refresh.
    const FolderElementEntity &leftEntity = m_source->entityAt(left.row());
    const FolderElementEntity &rightEntity = m_source->entityAt(right.row());
    if (leftEntity.isFile != rightEntity.isFile)
        return leftEntity.isFile == (m_order == Qt::DescendingOrder);
    switch (sortRole()) {
    case RemoteEntitiesModel::TimestampRole:
        return leftEntity.timestamp < rightEntity.timestamp;
    case RemoteEntitiesModel::TypeRole:
        return RemoteEntitiesModel::extensionView(leftEntity.name)
                   .compare(RemoteEntitiesModel::extensionView(rightEntity.name), Qt::CaseInsensitive)
            < 0;
    case RemoteEntitiesModel::SizeRole:
        return leftEntity.size < rightEntity.size;
    case RemoteEntitiesModel::OwnerIdRole:
        return leftEntity.ownerId < rightEntity.ownerId;
    default:
        return QString::compare(leftEntity.name, rightEntity.name, Qt::CaseInsensitive) < 0;
    }
}

void RemoteSortFilterModel::resortAfterStructChange()
{
    if (m_sortParameter != SortingOptions::Type && m_sortParameter != SortingOptions::Author)
        return;
    setSortRole(RemoteEntitiesModel::NameRole);
    sort(0, Qt::AscendingOrder);
    update();
}
