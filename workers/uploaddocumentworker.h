#pragma once

#include "workers/operationworker.h"

#include <QVariantMap>

// Uploads a local file into a portal folder.
class UploadDocumentWorker : public OperationWorker
{
    Q_OBJECT
public:
    UploadDocumentWorker(const QString &localFilePath, int folderId, QObject *parent = nullptr);

public slots:
    void handleUploadDocumentRequest(const QVariantMap &result);
    void handleUploadStarted(const QString &documentName);

protected:
    void startWork() override;

private:
    const QString m_localFilePath;
    const int m_folderId;
};
