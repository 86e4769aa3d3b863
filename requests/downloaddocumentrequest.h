#pragma once

#include "requests/filedownloadrequest.h"

// Downloads a document into a new temporary file of the cache location.
class DownloadDocumentRequest : public FileDownloadRequest
{
    Q_OBJECT
public:
    DownloadDocumentRequest(int documentId, bool download, bool offline, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;

private:
    int m_documentId;
    bool m_download;
    bool m_offline;
};
