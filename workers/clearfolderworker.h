#pragma once

#include "workers/servertaskworker.h"

// Empties a folder (the trash page's "clear") through a server task; the page
// reloads its listing afterwards.
class ClearFolderWorker : public ServerTaskWorker
{
    Q_OBJECT
public:
    ClearFolderWorker(const QString &folderName, int folderId, QObject *parent = nullptr);

public slots:
    void handleClearRequest(const QVariantMap &result);

protected:
    void startWork() override;
    void taskCompleted() override;
    QString taskCheckFailureText() const override;

private:
    const QString m_folderName;
    const int m_folderId;
};
