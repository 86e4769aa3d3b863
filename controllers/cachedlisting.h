#pragma once

#include "database/folderelemententity.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class DataAccessObject;
class RemoteEntitiesModel;
class SqlToEntitiesConvertWorker;

// A page's rows as the cache holds them: re-read into the page's model on
// every change of the cache and merged there, never reset.
class CachedListing : public QObject
{
    Q_OBJECT

public:
    // The page's query as it stands; an empty one reads nothing.
    using Query = std::function<QString()>;
    // What of the rows the page shows, in which order.
    using Arrangement = std::function<QList<FolderElementEntity>(const QList<FolderElementEntity> &)>;

    CachedListing(Query query, QObject *parent);

    RemoteEntitiesModel *model() const { return m_model; }
    void setArrangement(Arrangement arrangement) { m_arrangement = std::move(arrangement); }

    // Follows this cache from now on (the previous one no longer) and reads it once.
    void watch(DataAccessObject *dao);

public slots:
    void refresh();

private slots:
    void show(const QList<FolderElementEntity> &entities);

private:
    Query m_query;
    Arrangement m_arrangement;
    QPointer<DataAccessObject> m_dao;
    RemoteEntitiesModel *m_model;
    SqlToEntitiesConvertWorker *m_converter = nullptr;
};
