#include "cachedlisting.h"

#include "database/dataaccessobject.h"
#include "models/remoteentitiesmodel.h"
#include "workers/sqltoentitiesconvertworker.h"

CachedListing::CachedListing(Query query, QObject *parent)
    : QObject(parent)
    , m_query(std::move(query))
    , m_model(new RemoteEntitiesModel(parent))
{
}

void CachedListing::watch(DataAccessObject *dao)
{
    if (m_dao)
        disconnect(m_dao, &DataAccessObject::filesAndFoldersChanged, this, &CachedListing::refresh);
    m_dao = dao;
    if (!dao)
        return;
    connect(dao, &DataAccessObject::filesAndFoldersChanged, this, &CachedListing::refresh);
    refresh();
}

void CachedListing::refresh()
{
    if (!m_dao)
        return;
    const QString sql = m_query();
    if (sql.isEmpty())
        return;
    if (!m_converter) {
        m_converter = new SqlToEntitiesConvertWorker(this);
        connect(m_converter, &SqlToEntitiesConvertWorker::entitiesComplete, this, &CachedListing::show);
    }
    m_converter->convert(m_dao, sql);
}

void CachedListing::show(const QList<FolderElementEntity> &entities)
{
    m_model->setEntitiesData(m_arrangement ? m_arrangement(entities) : entities);
}
