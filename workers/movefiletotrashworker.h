#pragma once

#include "workers/operationworker.h"

// Moves a file to the trash, or, from the trash page, removes it for good.
class MoveFileToTrashWorker : public OperationWorker
{
    Q_OBJECT
public:
    MoveFileToTrashWorker(DataAccessObject *dao, int fileId, const QString &fileName,
                          DirectoryType::RootDirectoryTypes root, QObject *parent = nullptr);

public slots:
    void handleRequest(const QVariantMap &result);

protected:
    void startWork() override;

private:
    const int m_fileId;
    const QString m_fileName;
};
