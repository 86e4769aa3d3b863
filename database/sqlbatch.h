#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <QVector>

// One multi-row statement ("INSERT ... VALUES (?, ?), (?, ?)" or
// "DELETE ... WHERE (...) OR (...)") run over as many batches as the rows
// need, so that no statement binds more parameters than the smallest SQLite
// builds allow (999) and an OR-chain stays far below SQLite's expression
// depth limit (1000).
class SqlBatch
{
public:
    static constexpr int s_maxBoundParameters = 999;

    // head + rowPattern (separator rowPattern)* + tail; rowPattern holds
    // valuesPerRow placeholders.
    SqlBatch(const QString &head, const QString &rowPattern, const QString &separator, const QString &tail,
             int valuesPerRow);

    int rowsPerStatement() const { return m_rowsPerStatement; }
    // values holds whole rows one after another. Stops at the first failing
    // statement and returns its error text in *error.
    bool exec(const QSqlDatabase &db, const QVector<QVariant> &values, QString *error) const;

private:
    QString statement(int rows) const;

    QString m_head;
    QString m_rowPattern;
    QString m_separator;
    QString m_tail;
    int m_valuesPerRow;
    int m_rowsPerStatement;
};
