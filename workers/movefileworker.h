#pragma once

#include "workers/operationworker.h"

// Moves files into another folder; the page reloads its listing afterwards.
class MoveFileWorker : public OperationWorker
{
    Q_OBJECT
public:
    MoveFileWorker(DataAccessObject *dao, const QList<int> &fileIds, int toFolderId, const QStringList &fileNames,
                   DirectoryType::RootDirectoryTypes root, QObject *parent = nullptr);

public slots:
    void handleRequest(const QVariantMap &result);

protected:
    void startWork() override;

private:
    const QList<int> m_fileIds;
    const int m_toFolderId;
    const QStringList m_fileNames;
};
