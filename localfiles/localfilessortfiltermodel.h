#pragma once

#include "localfiles/localfilesmodel.h"

#include <QSortFilterProxyModel>

// The local files in the order the user chose: by name, date or size.
class LocalFilesSortFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT
    Q_PROPERTY(LocalFilesModel *sourceModel READ localFilesModel WRITE setSourceModel NOTIFY sourceModelChanged)
    Q_PROPERTY(int sortParameter READ sortParameter WRITE setSortParameter NOTIFY sortParameterChanged)
    Q_PROPERTY(Qt::SortOrder order READ order WRITE setOrder NOTIFY orderChanged)

public:
    explicit LocalFilesSortFilterModel(QObject *parent = nullptr);

    LocalFilesModel *localFilesModel() const;
    void setSourceModel(QAbstractItemModel *model) override;
    void setSourceModel(LocalFilesModel *model);

    int sortParameter() const { return m_sortParameter; }
    void setSortParameter(int parameter);
    Qt::SortOrder order() const { return m_order; }
    void setOrder(Qt::SortOrder order);

signals:
    void sourceModelChanged();
    void sortParameterChanged();
    void orderChanged();

private:
    int m_sortParameter;
    Qt::SortOrder m_order = Qt::AscendingOrder;
};
