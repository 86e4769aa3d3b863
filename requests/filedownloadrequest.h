#pragma once

#include "requests/requestinterface.h"

class QFileDevice;

// A GET whose body is a file: the bytes go to disk as they arrive, so a large
// file never sits whole in memory, and a transfer that fails or cannot be
// written leaves no partial file behind.
class FileDownloadRequest : public RequestInterface
{
    Q_OBJECT
public:
    using RequestInterface::RequestInterface;

signals:
    // From the running thread; total is -1 while the portal has not said.
    void progress(qint64 received, qint64 total);

protected:
    struct Target
    {
        QString folder;
        // Kept under this name (replacing a leftover of an earlier run);
        // empty: under a new unique name.
        QString finalName;
        QString resultKey;
        const char *downloadedLog;
        const char *savedLog;
    };

    // {"success", "error", <resultKey>: path} or a failure map.
    QVariantMap download(const QString &path, const Target &target);

private:
    static QVariantMap writeFailure(const QFileDevice &file);
};
