#include "downloaddocumentrequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"

#include <QDir>
#include <QStandardPaths>

DownloadDocumentRequest::DownloadDocumentRequest(int documentId, bool download, bool offline, QObject *parent)
    : FileDownloadRequest(parent)
    , m_documentId(documentId)
    , m_download(download)
    , m_offline(offline)
{
}

QVariantMap DownloadDocumentRequest::perform()
{
    const QString path = ApiPath::v1(ApiContants::s_documentDownload)
                             .query(QStringLiteral("id"), m_documentId)
                             .query(QStringLiteral("download"), m_download)
                             .query(QStringLiteral("offline"), m_offline)
                             .toString();
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(cache);
    return download(path, {cache, QString(), QStringLiteral("tmpDocumentPath"), "Document downloaded",
                           "Tmp document saved to"});
}
