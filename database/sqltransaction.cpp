#include "database/sqltransaction.h"

#include <QDebug>
#include <QSqlError>

SqlTransaction::SqlTransaction(const QSqlDatabase &db)
    : m_db(db)
    , m_active(m_db.transaction())
{
    if (!m_active)
        m_errorText = m_db.lastError().text();
}

SqlTransaction::~SqlTransaction()
{
    rollback();
}

bool SqlTransaction::commit()
{
    if (!m_active)
        return false;
    if (m_db.commit()) {
        m_active = false;
        return true;
    }
    m_errorText = m_db.lastError().text();
    rollback();
    return false;
}

void SqlTransaction::rollback()
{
    if (m_active && !m_db.rollback())
        qWarning() << "Rollback failed:" << m_db.lastError().text();
    m_active = false;
}
