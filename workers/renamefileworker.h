#pragma once

#include "workers/operationworker.h"

// Renames a file on the portal, then in the cache.
class RenameFileWorker : public OperationWorker
{
    Q_OBJECT
public:
    RenameFileWorker(DataAccessObject *dao, int fileId, const QString &newName, const QString &currentName,
                     DirectoryType::RootDirectoryTypes root, QObject *parent = nullptr);

public slots:
    void handleRequest(const QVariantMap &result);

protected:
    void startWork() override;

private:
    const int m_fileId;
    const QString m_newName;
    const QString m_currentName;
};
