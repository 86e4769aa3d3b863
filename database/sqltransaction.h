#pragma once

#include <QSqlDatabase>
#include <QString>

// A transaction that is rolled back unless it was committed, so that a
// multi-statement write is all-or-nothing on every path.
class SqlTransaction
{
public:
    explicit SqlTransaction(const QSqlDatabase &db);
    ~SqlTransaction();

    SqlTransaction(const SqlTransaction &) = delete;
    SqlTransaction &operator=(const SqlTransaction &) = delete;

    bool isActive() const { return m_active; }
    // On failure the transaction is rolled back and the error kept.
    bool commit();
    QString errorText() const { return m_errorText; }

private:
    void rollback();

    QSqlDatabase m_db;
    bool m_active;
    QString m_errorText;
};
