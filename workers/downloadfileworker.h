#pragma once

#include "workers/operationworker.h"

#include <QVariantMap>

// Saves a portal file into a local folder under a name nothing uses yet.
class DownloadFileWorker : public OperationWorker
{
    Q_OBJECT
public:
    DownloadFileWorker(DataAccessObject *dao, int fileId, const QString &targetFolder, const QString &fileName,
                       DirectoryType::RootDirectoryTypes root, QObject *parent = nullptr);

public slots:
    void handleDownloadRequest(const QVariantMap &result);

protected:
    void startWork() override;

private:
    void handlePlaced(const QString &path);

    const int m_fileId;
    const QString m_targetFolder;
    const QString m_fileName;
};
