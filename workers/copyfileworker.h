#pragma once

#include "workers/operationworker.h"

// Copies files into a folder. A duplicate (a copy beside the original) is
// put into the cache at once.
class CopyFileWorker : public OperationWorker
{
    Q_OBJECT
public:
    CopyFileWorker(DataAccessObject *dao, const QList<int> &fileIds, int toFolderId, const QStringList &fileNames,
                   DirectoryType::RootDirectoryTypes root, bool isDuplicate, QObject *parent = nullptr);

public slots:
    void handleRequest(const QVariantMap &result);

protected:
    void startWork() override;

private:
    const QList<int> m_fileIds;
    const int m_toFolderId;
    const QStringList m_fileNames;
    const bool m_isDuplicate;
};
