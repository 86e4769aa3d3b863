#pragma once

#include "workers/operationworker.h"

// Takes documents off the favorites.
class DeleteFavoriteWorker : public OperationWorker
{
    Q_OBJECT
public:
    DeleteFavoriteWorker(DataAccessObject *dao, const QList<int> &documentIds, const QList<QString> &documentNames,
                         DirectoryType::RootDirectoryTypes root, QObject *parent = nullptr);

public slots:
    void handleDeleteFavoriteRequest(const QVariantMap &result);

protected:
    void startWork() override;

private:
    const QList<int> m_documentIds;
    const QStringList m_documentNames;
};
