#include "usertaskdownloadrequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"

UserTaskDownloadRequest::UserTaskDownloadRequest(int taskId, const QString &targetFolderPath, QObject *parent)
    : FileDownloadRequest(parent)
    , m_taskId(taskId)
    , m_targetFolderPath(targetFolderPath)
{
}

QVariantMap UserTaskDownloadRequest::perform()
{
    QString folder = m_targetFolderPath;
    if (folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    const QString path = ApiPath::v1(ApiContants::s_taskDownload).query(QStringLiteral("Id"), m_taskId).toString();
    return download(path, {folder, QStringLiteral("%1.vellixdownload").arg(m_taskId),
                           QStringLiteral("taskDownloadPath"), "Archive downloaded", "Tmp archive saved to"});
}
