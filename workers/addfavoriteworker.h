#pragma once

#include "workers/operationworker.h"

// Marks a document as a favorite.
class AddFavoriteWorker : public OperationWorker
{
    Q_OBJECT
public:
    AddFavoriteWorker(DataAccessObject *dao, int documentId, const QString &documentName,
                      DirectoryType::RootDirectoryTypes root, QObject *parent = nullptr);

public slots:
    void handleAddFavoriteRequest(const QVariantMap &result);

protected:
    void startWork() override;

private:
    const int m_documentId;
    const QString m_documentName;
};
