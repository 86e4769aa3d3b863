#pragma once

#include "requests/requestinterface.h"

class QNetworkReply;

// Uploads a local file into a portal folder as multipart form data; the body
// is streamed from the open file.
class UploadDocumentRequest : public RequestInterface
{
    Q_OBJECT
public:
    UploadDocumentRequest(const QString &localFilePath, int folderId, QObject *parent = nullptr);

signals:
    // The bytes are on their way (not emitted when the upload failed at once).
    void uploadStarted(QString documentName);
    // From the running thread; total is the size of the whole multipart body.
    void progress(qint64 sent, qint64 total);

protected:
    QVariantMap perform() override;

private:
    // The part's Content-Disposition. The name is quoted, so quotes and
    // backslashes in it are escaped and line breaks dropped: a file name
    // cannot end the header or start another.
    static QByteArray contentDisposition(const QString &documentName);
    QNetworkRequest makeRequest() const;
    QVariantMap handleCreateDocumentRequest(QNetworkReply *reply, const QString &documentName) const;

    QString m_localFilePath;
    int m_folderId;
};
