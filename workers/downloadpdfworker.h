#pragma once

#include "workers/servertaskworker.h"

#include <QVariantMap>

// Saves a document as PDF into a local folder (the secure container's
// documents): the portal converts it first unless its name ends in "pdf", and
// the PDF is copied in under a name nothing uses yet.
class DownloadPdfWorker : public ServerTaskWorker
{
    Q_OBJECT
public:
    DownloadPdfWorker(DataAccessObject *dao, int fileId, const QString &fileName, const QString &targetFolder,
                      DirectoryType::RootDirectoryTypes root, QObject *parent = nullptr);

public slots:
    void handleConvertRequest(const QVariantMap &result);
    void handleDownloadRequest(const QVariantMap &result);

protected:
    void startWork() override;
    void taskCompleted() override;
    QString taskCheckFailureText() const override;

private:
    void startDownload();
    void handlePlaced(const QString &path);
    QString failureText() const;

    const int m_fileId;
    const QString m_fileName;
    const QString m_targetFolder;
};
