#pragma once

#include "models/remoteentitiesmodel.h"

#include <QPointer>
#include <QSortFilterProxyModel>

// Orders a page's entities for the view: folders before files in either
// order, then by the user's sorting field.
class RemoteSortFilterModel : public QSortFilterProxyModel
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

    // Only the selection is writable; the source announces the change.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    void sourceModelChanged();
    void sourceModelChanged(RemoteEntitiesModel *model);
    void sortParameterChanged(int parameter);
    void orderChanged();

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private slots:
    // Entries of one extension or owner stay in name order after rows came or went.
    void resortAfterStructChange();

private:
    void update();

    QPointer<RemoteEntitiesModel> m_source;
    int m_sortParameter = -1;
    Qt::SortOrder m_order = Qt::AscendingOrder;
};
