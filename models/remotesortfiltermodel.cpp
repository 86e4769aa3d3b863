#include "remotesortfiltermodel.h"

#include "models/foldedprefix.h"
#include "models/sortingoptions.h"

#include <algorithm>
#include <numeric>

RemoteSortFilterModel::RemoteSortFilterModel(QObject *parent)
    : QAbstractProxyModel(parent)
{
    setSortParameter(SortingOptions::Name);
}

void RemoteSortFilterModel::setSourceModel(RemoteEntitiesModel *model)
{
    if (m_source == model)
        return;
    beginResetModel();
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = model;
    QAbstractProxyModel::setSourceModel(model);
    connectSource();
    takeRows();
    endResetModel();
    emit sourceModelChanged();
    emit sourceModelChanged(model);
}

void RemoteSortFilterModel::connectSource()
{
    if (!m_source)
        return;
    connect(m_source, &RemoteEntitiesModel::structChanged, this, &RemoteSortFilterModel::resortAfterStructChange);
    connect(m_source, &QAbstractItemModel::rowsAboutToBeRemoved, this, &RemoteSortFilterModel::removeRowsOf);
    connect(m_source, &QAbstractItemModel::rowsRemoved, this, &RemoteSortFilterModel::forgetRemovedRows);
    connect(m_source, &QAbstractItemModel::rowsInserted, this, &RemoteSortFilterModel::placeInsertedRows);
    connect(m_source, &QAbstractItemModel::dataChanged, this, &RemoteSortFilterModel::forwardDataChanged);
    connect(m_source, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
    connect(m_source, &QAbstractItemModel::modelReset, this, [this] {
        takeRows();
        endResetModel();
    });
    // The source moves no rows and changes no layout; its rows go away with it.
    connect(m_source, &QObject::destroyed, this, [this] {
        beginResetModel();
        m_rows.reset(0);
        endResetModel();
    });
}

void RemoteSortFilterModel::takeRows()
{
    m_rows.reset(m_source ? m_source->rowCount() : 0);
    m_rows.setSourceRows(sorted(m_rows.sourceRows(), {m_sortRole}));
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

QModelIndex RemoteSortFilterModel::index(int row, int column, const QModelIndex &parent) const
{
    return hasIndex(row, column, parent) ? createIndex(row, column) : QModelIndex();
}

QModelIndex RemoteSortFilterModel::parent(const QModelIndex &) const
{
    return QModelIndex();
}

int RemoteSortFilterModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.proxyCount();
}

int RemoteSortFilterModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

QModelIndex RemoteSortFilterModel::mapToSource(const QModelIndex &proxyIndex) const
{
    if (!m_source || !proxyIndex.isValid() || proxyIndex.model() != this)
        return QModelIndex();
    return m_source->index(m_rows.toSource(proxyIndex.row()), proxyIndex.column());
}

QModelIndex RemoteSortFilterModel::mapFromSource(const QModelIndex &sourceIndex) const
{
    if (!m_source || !sourceIndex.isValid() || sourceIndex.model() != m_source)
        return QModelIndex();
    return index(m_rows.toProxy(sourceIndex.row()), sourceIndex.column());
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
        m_sortRole = RemoteEntitiesModel::TimestampRole;
        break;
    case SortingOptions::Name:
        m_sortRole = RemoteEntitiesModel::NameRole;
        break;
    case SortingOptions::Type:
        m_sortRole = RemoteEntitiesModel::TypeRole;
        break;
    case SortingOptions::Size:
        m_sortRole = RemoteEntitiesModel::SizeRole;
        break;
    case SortingOptions::Author:
        m_sortRole = RemoteEntitiesModel::OwnerIdRole;
        break;
    default:
        break;
    }
    sortRows({m_sortRole});
}

void RemoteSortFilterModel::resortAfterStructChange()
{
    if (m_sortParameter != SortingOptions::Type && m_sortParameter != SortingOptions::Author)
        return;
    sortRows({RemoteEntitiesModel::NameRole, m_sortRole});
}

void RemoteSortFilterModel::sortRows(const QVector<int> &roles)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList persistent = persistentIndexList();
    QVector<int> sources;
    sources.reserve(persistent.size());
    for (const QModelIndex &index : persistent)
        sources.append(m_rows.toSource(index.row()));
    m_rows.setSourceRows(sorted(m_rows.sourceRows(), roles));
    QModelIndexList moved;
    moved.reserve(persistent.size());
    for (int i = 0; i < persistent.size(); ++i)
        moved.append(index(m_rows.toProxy(sources.at(i)), persistent.at(i).column()));
    changePersistentIndexList(persistent, moved);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QVector<int> RemoteSortFilterModel::sorted(QVector<int> rows, const QVector<int> &roles) const
{
    for (int i = 0; i < roles.size(); ++i) {
        const int role = roles.at(i);
        const bool descending = i == roles.size() - 1 && m_order == Qt::DescendingOrder;
        if (role == RemoteEntitiesModel::NameRole || role == RemoteEntitiesModel::TypeRole) {
            sortByText(rows, role, descending);
            continue;
        }
        std::stable_sort(rows.begin(), rows.end(), [this, role, descending](int left, int right) {
            return descending ? lessThan(right, left, role) : lessThan(left, right, role);
        });
    }
    return rows;
}

void RemoteSortFilterModel::sortByText(QVector<int> &rows, int role, bool descending) const
{
    struct Keyed
    {
        FoldedPrefix text;
        int row;
        bool isFile;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(size_t(rows.size()));
    for (const int row : qAsConst(rows)) {
        const FolderElementEntity &entity = m_source->entityAt(row);
        const QStringView text = role == RemoteEntitiesModel::TypeRole ? RemoteEntitiesModel::extensionView(entity.name)
                                                                       : QStringView(entity.name);
        keyed.push_back({FoldedPrefix(text), row, entity.isFile});
    }
    // The same order as lessThan, deciding on the keys where they can.
    const bool filesFirst = m_order == Qt::DescendingOrder;
    std::stable_sort(keyed.begin(), keyed.end(), [&](const Keyed &first, const Keyed &second) {
        const Keyed &left = descending ? second : first;
        const Keyed &right = descending ? first : second;
        if (left.isFile != right.isFile)
            return left.isFile == filesFirst;
        if (const std::optional<bool> less = FoldedPrefix::less(left.text, right.text))
            return *less;
        return lessThan(left.row, right.row, role);
    });
    std::transform(keyed.cbegin(), keyed.cend(), rows.begin(), [](const Keyed &entry) { return entry.row; });
}

void RemoteSortFilterModel::removeRowsOf(const QModelIndex &parent, int first, int last)
{
    if (parent.isValid())
        return;
    for (const QPair<int, int> &range : m_rows.proxyRangesOf(first, last)) {
        beginRemoveRows(QModelIndex(), range.first, range.second);
        m_rows.removeProxyRows(range.first, range.second);
        endRemoveRows();
    }
}

void RemoteSortFilterModel::forgetRemovedRows(const QModelIndex &parent, int first, int last)
{
    if (!parent.isValid())
        m_rows.removeSourceRows(first, last);
}

void RemoteSortFilterModel::placeInsertedRows(const QModelIndex &parent, int first, int last)
{
    if (parent.isValid())
        return;
    m_rows.insertSourceRows(first, last - first + 1);
    QVector<int> arrived(last - first + 1);
    std::iota(arrived.begin(), arrived.end(), first);
    arrived = sorted(arrived, {m_sortRole});
    // Each arrival goes after the shown rows it does not come before; the
    // next ones join it while they do not come after the row it precedes.
    const QVector<int> &shown = m_rows.sourceRows();
    QVector<QPair<int, QVector<int>>> runs;
    int low = 0;
    for (int next = 0; next < arrived.size();) {
        QVector<int> run{arrived.at(next++)};
        for (int high = shown.size() - 1; low <= high;) {
            const int middle = (low + high) / 2;
            if (before(run.first(), shown.at(middle)))
                high = middle - 1;
            else
                low = middle + 1;
        }
        while (next < arrived.size() && (low >= shown.size() || !before(shown.at(low), arrived.at(next))))
            run.append(arrived.at(next++));
        runs.append({low, run});
    }
    // From the bottom up, so that the places of the runs still to come hold.
    m_rows.beginInsertion(runs);
    for (int i = runs.size() - 1; i >= 0; --i) {
        const int at = runs.at(i).first;
        beginInsertRows(QModelIndex(), at, at + runs.at(i).second.size() - 1);
        m_rows.showRun(i);
        endInsertRows();
    }
}

void RemoteSortFilterModel::forwardDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                               const QVector<int> &roles)
{
    // Only the selection changes in place, and it does not move a row.
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        const int shown = m_rows.toProxy(row);
        emit dataChanged(index(shown, topLeft.column()), index(shown, bottomRight.column()), roles);
    }
}

bool RemoteSortFilterModel::before(int left, int right) const
{
    return m_order == Qt::AscendingOrder ? lessThan(left, right, m_sortRole) : lessThan(right, left, m_sortRole);
}

bool RemoteSortFilterModel::lessThan(int left, int right, int role) const
{
    const FolderElementEntity &leftEntity = m_source->entityAt(left);
    const FolderElementEntity &rightEntity = m_source->entityAt(right);
    if (leftEntity.isFile != rightEntity.isFile)
        return leftEntity.isFile == (m_order == Qt::DescendingOrder);
    switch (role) {
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
