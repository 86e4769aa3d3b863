#pragma once

#include "simulator/endpointgroup.h"

// Moving bytes: download, upload, conversion to PDF and folder archives
// (server tasks), task status and the download of a task's result.
class TransferApi : public EndpointGroup
{
public:
    using EndpointGroup::EndpointGroup;
    void addRoutes(Router *router) override;

private:
    ApiReply download(ApiRequest &request);
    ApiReply upload(ApiRequest &request);
    ApiReply convert(ApiRequest &request);
    ApiReply archive(ApiRequest &request);
    ApiReply taskStatus(ApiRequest &request);
    ApiReply taskDownload(ApiRequest &request);
    ApiReply uploadCallback(ApiRequest &request);

    static ApiReply attachment(const QByteArray &data, const QString &mimeType, const QString &fileName);
    QByteArray pdfOf(int documentId) const;
    void addToArchive(class ZipWriter *zip, int folderId, const QString &prefix, int userId) const;
};
