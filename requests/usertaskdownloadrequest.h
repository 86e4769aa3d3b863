#pragma once

#include "requests/filedownloadrequest.h"

// Downloads the result of a finished server task (a folder archive) as
// "<task id>.vellixdownload" into the target folder.
class UserTaskDownloadRequest : public FileDownloadRequest
{
    Q_OBJECT
public:
    UserTaskDownloadRequest(int taskId, const QString &targetFolderPath, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;

private:
    int m_taskId;
    QString m_targetFolderPath;
};
