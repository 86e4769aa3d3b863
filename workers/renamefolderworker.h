#pragma once

#include "workers/operationworker.h"

// Renames a folder on the portal, then in the cache.
class RenameFolderWorker : public OperationWorker
{
    Q_OBJECT
public:
    RenameFolderWorker(DataAccessObject *dao, int folderId, const QString &newName, const QString &currentName,
                       DirectoryType::RootDirectoryTypes root, QObject *parent = nullptr);

public slots:
    void handleRequest(const QVariantMap &result);

protected:
    void startWork() override;

private:
    const int m_folderId;
    const QString m_newName;
    const QString m_currentName;
};
