#pragma once

#include "workers/singleshareworker.h"

// Takes one user's access to a folder away.
class UnShareFolderWorker : public SingleShareWorker
{
    Q_OBJECT
public:
    UnShareFolderWorker(DataAccessObject *dao, int entityId, int userId, FileAccessType::AccessType accessType,
                        const QString &entityName, DirectoryType::RootDirectoryTypes root, QObject *parent = nullptr);

protected:
    RequestInterface *createRequest() const override;
    QString successText() const override;
    QString failureText() const override;
};
