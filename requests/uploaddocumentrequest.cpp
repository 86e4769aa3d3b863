#include "uploaddocumentrequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"
#include "requests/logredactor.h"
#include "requests/mimetypes.h"
#include "requests/networkreplyhandler.h"
#include "requests/portalexchange.h"
#include "requests/transferreply.h"

#include <QFile>
#include <QHttpMultiPart>

#include <memory>

namespace {
const QString s_documentNameKey = QStringLiteral("documentName");
}

UploadDocumentRequest::UploadDocumentRequest(const QString &localFilePath, int folderId, QObject *parent)
    : RequestInterface(parent)
    , m_localFilePath(localFilePath)
    , m_folderId(folderId)
{
}

QByteArray UploadDocumentRequest::contentDisposition(const QString &documentName)
{
    QString quoted = documentName;
    quoted.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QStringLiteral("form-data; name=\"\"; filename=\"%1\"").arg(quoted).toUtf8();
}

QVariantMap UploadDocumentRequest::perform()
{
    auto file = std::make_unique<QFile>(m_localFilePath);
    if (!file->open(QIODevice::ReadOnly)) {
        qWarning().noquote() << "Error open file" << m_localFilePath << file->errorString();
        return failureResult(tr("error open file"));
    }
    const QString documentName = m_localFilePath.split(QLatin1Char('/')).last();
    const QString extension = documentName.split(QLatin1Char('.')).last();

    QHttpPart part;
    part.setRawHeader(QByteArrayLiteral("Content-Disposition"), contentDisposition(documentName));
    part.setRawHeader(QByteArrayLiteral("Content-Type"), MimeTypes::getMimeString(extension).toUtf8());
    part.setBodyDevice(file.get());
    auto *multiPart = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    multiPart->setBoundary(QByteArrayLiteral("----WebKitFormBoundarylCadDvTpmB9OjqQh"));
    multiPart->append(part);
    QFile *body = file.release();
    body->setParent(multiPart);

    const QNetworkRequest request = makeRequest();
    qInfo().noquote() << "Sending request POST" << LogRedactor::urlText(request.url());
    PortalExchange exchange;
    QNetworkReply *reply = exchange.startMultipart(request, multiPart);
    // Qt ends with a (0, 0) report, which would read as a bar falling back to nothing.
    connect(reply, &QNetworkReply::uploadProgress, reply, [this](qint64 sent, qint64 total) {
        if (total > 0)
            emit progress(sent, total);
    });
    // A reply that is over already failed before anything was sent.
    if (!reply->isFinished()) {
        emit uploadStarted(documentName);
        PortalExchange::waitForFinished(reply);
    }
    body->close();
    return handleCreateDocumentRequest(reply, documentName);
}

QNetworkRequest UploadDocumentRequest::makeRequest() const
{
    // Not createRequest(): the multipart message sets its own Content-Type.
    QNetworkRequest request(portalUrl(ApiPath::v1(ApiContants::s_uploadDocument).toString()));
    request.setRawHeader(QByteArrayLiteral("DirectoryId"), QByteArray::number(m_folderId));
    const QByteArray token = authorizationValue();
    if (!token.isEmpty())
        request.setRawHeader(QByteArrayLiteral("Authorization"), token);
    request.setRawHeader(QByteArrayLiteral("Accept-Encoding"), QByteArrayLiteral("gzip, deflate, br"));
    request.setRawHeader(QByteArrayLiteral("Connection"), QByteArrayLiteral("keep-alive"));
    return request;
}

QVariantMap UploadDocumentRequest::handleCreateDocumentRequest(QNetworkReply *reply, const QString &documentName) const
{
    const NetworkReplyHandler handler(reply);
    if (TransferReply::failed(handler)) {
        const QString error = TransferReply::errorText(handler);
        qWarning().noquote() << "Upload request error" << error;
        return {{s_documentNameKey, documentName}, {s_errorKey, error}};
    }
    qInfo().noquote() << "Upload request done" << LogRedactor::rawText(handler.body());
    return {{s_successKey, true}, {s_documentNameKey, documentName}};
}
