#pragma once

#include "models/proxyrowmap.h"
#include "models/remoteentitiesmodel.h"

#include <QAbstractProxyModel>
#include <QPointer>

// Orders a page's entities for the view: folders before files in either
// order, then by the user's sorting field. Sorting is stable; rows that come
// are placed among the shown ones, and a merge that adds or drops many rows
// costs a pass over the rows, not one per row.
class RemoteSortFilterModel : public QAbstractProxyModel
{
    Q_OBJECT
    Q_PROPERTY(RemoteEntitiesModel *sourceModel READ remoteSourceModel WRITE setSourceModel NOTIFY sourceModelChanged)
    Q_PROPERTY(int sortParameter READ sortParameter WRITE setSortParameter NOTIFY sortParameterChanged)
    Q_PROPERTY(Qt::SortOrder order READ order WRITE setOrder NOTIFY orderChanged)

public:
    explicit RemoteSortFilterModel(QObject *parent = nullptr);

    RemoteEntitiesModel *remoteSourceModel() const { return m_source; }
    void setSourceModel(RemoteEntitiesModel *model);
    int sortParameter() const { return m_sortParameter; }
    void setSortParameter(int parameter);
    Qt::SortOrder order() const { return m_order; }
    void setOrder(Qt::SortOrder order);

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex mapToSource(const QModelIndex &proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex &sourceIndex) const override;
    // Only the selection is writable; the source announces the change.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    void sourceModelChanged();
    void sourceModelChanged(RemoteEntitiesModel *model);
    void sortParameterChanged(int parameter);
    void orderChanged();

private slots:
    // Entries of one extension or owner stay in name order after rows came or went.
    void resortAfterStructChange();
    void removeRowsOf(const QModelIndex &parent, int first, int last);
    void forgetRemovedRows(const QModelIndex &parent, int first, int last);
    void placeInsertedRows(const QModelIndex &parent, int first, int last);
    void forwardDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QVector<int> &roles);

private:
    void connectSource();
    // Every source row, sorted.
    void takeRows();
    void update();
    // Stable sorts of the shown rows by each role in turn (the last one in
    // the user's order, the others ascending); sortRows as one layout change.
    void sortRows(const QVector<int> &roles);
    QVector<int> sorted(QVector<int> rows, const QVector<int> &roles) const;
    // A stable sort by name or extension on keys copied next to each other.
    void sortByText(QVector<int> &rows, int role, bool descending) const;
    // Source rows: folders first whatever the order, then by role; text
    // case-insensitively.
    bool lessThan(int left, int right, int role) const;
    // The first place from low on among the shown source rows that sourceRow
    // comes before, or their count.
    int placeOf(int sourceRow, const QVector<int> &shown, int low) const;
    // Whether the left source row is shown before the right one.
    bool before(int left, int right) const;

    QPointer<RemoteEntitiesModel> m_source;
    mutable ProxyRowMap m_rows;
    int m_sortParameter = -1;
    int m_sortRole = RemoteEntitiesModel::NameRole;
    Qt::SortOrder m_order = Qt::AscendingOrder;
};
