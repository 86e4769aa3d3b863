#pragma once

#include "workers/operationworker.h"

// Brings a file back from the trash into a folder.
class RestoreFileWorker : public OperationWorker
{
    Q_OBJECT
public:
    RestoreFileWorker(DataAccessObject *dao, int fileId, int toFolderId, const QString &fileName,
                      DirectoryType::RootDirectoryTypes root, QObject *parent = nullptr);

public slots:
    void handleRequest(const QVariantMap &result);

protected:
    void startWork() override;

private:
    const int m_fileId;
    const int m_toFolderId;
    const QString m_fileName;
};
