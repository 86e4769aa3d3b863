#include "database/sqlbatch.h"

#include <QSqlError>
#include <QSqlQuery>

SqlBatch::SqlBatch(const QString &head, const QString &rowPattern, const QString &separator, const QString &tail,
                   int valuesPerRow)
    : m_head(head)
    , m_rowPattern(rowPattern)
    , m_separator(separator)
    , m_tail(tail)
    , m_valuesPerRow(valuesPerRow)
    , m_rowsPerStatement(s_maxBoundParameters / valuesPerRow)
{
}

bool SqlBatch::exec(const QSqlDatabase &db, const QVector<QVariant> &values, QString *error) const
{
    const int rowCount = values.size() / m_valuesPerRow;
    QSqlQuery query(db);
    int preparedRows = 0;
    for (int first = 0; first < rowCount; first += m_rowsPerStatement) {
        const int rows = qMin(m_rowsPerStatement, rowCount - first);
        // Full batches share one prepared statement; only the last may differ.
        if (rows != preparedRows) {
            if (!query.prepare(statement(rows))) {
                *error = query.lastError().text();
                return false;
            }
            preparedRows = rows;
        }
        const int offset = first * m_valuesPerRow;
        for (int i = 0; i < rows * m_valuesPerRow; ++i)
            query.bindValue(i, values.at(offset + i));
        if (!query.exec()) {
            *error = query.lastError().text();
            return false;
        }
    }
    return true;
}

QString SqlBatch::statement(int rows) const
{
    QString text = m_head;
    text.reserve(m_head.size() + rows * (m_rowPattern.size() + m_separator.size()) + m_tail.size());
    for (int row = 0; row < rows; ++row) {
        if (row > 0)
            text += m_separator;
        text += m_rowPattern;
    }
    return text + m_tail;
}
