#pragma once

#include "workers/createentryworker.h"

// Creates a sub-folder, public or not.
class CreateFolderWorker : public CreateEntryWorker
{
    Q_OBJECT
public:
    explicit CreateFolderWorker(QObject *parent = nullptr);

    void createFolder(const QString &name, int parentId, bool isPublic);

    int idCreatedFolder() const { return m_idCreatedFolder; }

public slots:
    void handleCreateFolderRequest(const QVariantMap &result);

private:
    int m_idCreatedFolder = s_noId;
};
