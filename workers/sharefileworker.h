#pragma once

#include "workers/singleshareworker.h"

// Gives one user access to a file.
class ShareFileWorker : public SingleShareWorker
{
    Q_OBJECT
public:
    ShareFileWorker(DataAccessObject *dao, int entityId, int userId, FileAccessType::AccessType accessType,
                    const QString &entityName, DirectoryType::RootDirectoryTypes root, QObject *parent = nullptr);

protected:
    RequestInterface *createRequest() const override;
    QString successText() const override;
    QString failureText() const override;
};
