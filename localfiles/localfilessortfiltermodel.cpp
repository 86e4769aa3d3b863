#include "localfiles/localfilessortfiltermodel.h"

#include "models/sortingoptions.h"

LocalFilesSortFilterModel::LocalFilesSortFilterModel(QObject *parent)
    : QSortFilterProxyModel(parent)
    , m_sortParameter(SortingOptions::Date)
{
    setFilterRole(LocalFilesModel::NameRole);
    setSortRole(LocalFilesModel::TimestampRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
}

LocalFilesModel *LocalFilesSortFilterModel::localFilesModel() const
{
    return qobject_cast<LocalFilesModel *>(sourceModel());
}

void LocalFilesSortFilterModel::setSourceModel(QAbstractItemModel *model)
{
    if (model == sourceModel())
        return;
    QSortFilterProxyModel::setSourceModel(model);
    emit sourceModelChanged();
    sort(0, m_order);
}

void LocalFilesSortFilterModel::setSourceModel(LocalFilesModel *model)
{
    setSourceModel(static_cast<QAbstractItemModel *>(model));
}

void LocalFilesSortFilterModel::setSortParameter(int parameter)
{
    if (parameter == m_sortParameter)
        return;
    m_sortParameter = parameter;
    switch (parameter) {
    case SortingOptions::Name:
        setSortRole(LocalFilesModel::NameRole);
        break;
    case SortingOptions::Date:
        setSortRole(LocalFilesModel::TimestampRole);
        break;
    case SortingOptions::Size:
        setSortRole(LocalFilesModel::SizeRole);
        break;
    default:
        // Type and author mean nothing for a local file: keep the current order.
        break;
    }
    emit sortParameterChanged();
    sort(0, m_order);
}

void LocalFilesSortFilterModel::setOrder(Qt::SortOrder order)
{
    if (order == m_order)
        return;
    m_order = order;
    emit orderChanged();
    sort(0, m_order);
}
