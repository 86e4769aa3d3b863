#pragma once

#include "workers/singleshareworker.h"

// Gives one user access to a folder.
class ShareFolderWorker : public SingleShareWorker
{
    Q_OBJECT
public:
    ShareFolderWorker(DataAccessObject *dao, int entityId, int userId, FileAccessType::AccessType accessType,
                      const QString &entityName, DirectoryType::RootDirectoryTypes root, QObject *parent = nullptr);

protected:
    RequestInterface *createRequest() const override;
    QString successText() const override;
    QString failureText() const override;
};
