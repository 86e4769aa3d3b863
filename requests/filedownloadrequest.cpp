#include "filedownloadrequest.h"

#include "requests/networkreplyhandler.h"
#include "requests/portalexchange.h"
#include "requests/transferreply.h"

#include <QFile>
#include <QTemporaryFile>

namespace {
// What the reply may hold before the socket is throttled: keeps memory flat
// when the disk is slower than the network.
constexpr qint64 s_readBufferSize = 512 * 1024;
} // namespace

QVariantMap FileDownloadRequest::download(const QString &path, const Target &target)
{
    // The file goes with the object unless it is kept at the end. One that
    // gets a final name is hidden from folder listings until it has it.
    QTemporaryFile file(target.finalName.isEmpty()
                            ? QStringLiteral("%1/download_XXXXXX").arg(target.folder)
                            : QStringLiteral("%1/.%2.XXXXXX").arg(target.folder, target.finalName));
    if (!file.open())
        return writeFailure(file);

    qInfo().noquote() << "Sending request GET" << path;
    PortalExchange exchange;
    QNetworkReply *reply = exchange.start(PortalExchange::Method::Get, createRequest(path));
    reply->setReadBufferSize(s_readBufferSize);
    connect(reply, &QNetworkReply::downloadProgress, reply,
            [this](qint64 received, qint64 total) { emit progress(received, total); });
    const bool written = PortalExchange::waitForFinished(reply, &file);
    const NetworkReplyHandler handler(reply);
    if (!written)
        return writeFailure(file);
    if (TransferReply::failed(handler)) {
        const QString error = TransferReply::errorText(handler);
        qWarning().noquote() << "Download error" << error;
        return failureResult(error);
    }
    qInfo() << target.downloadedLog;

    // Buffered bytes can still fail to reach the disk here (disk full).
    if (!file.flush())
        return writeFailure(file);
    file.close();
    if (file.error() != QFileDevice::NoError)
        return writeFailure(file);
    if (!target.finalName.isEmpty()) {
        const QString finalPath = target.folder + QLatin1Char('/') + target.finalName;
        QFile::remove(finalPath);
        if (!file.rename(finalPath))
            return writeFailure(file);
    }
    file.setAutoRemove(false);
    qInfo().noquote() << target.savedLog << file.fileName();
    return {{s_successKey, true}, {s_errorKey, QString()}, {target.resultKey, file.fileName()}};
}

QVariantMap FileDownloadRequest::writeFailure(const QFileDevice &file)
{
    qWarning().noquote() << "Write tmp file error" << file.fileName() << file.errorString();
    return failureResult(tr("Error write downloaded file"));
}
