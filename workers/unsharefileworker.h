#pragma once

#include "workers/singleshareworker.h"

// Takes one user's access to a file away.
class UnShareFileWorker : public SingleShareWorker
{
    Q_OBJECT
public:
    UnShareFileWorker(DataAccessObject *dao, int entityId, int userId, FileAccessType::AccessType accessType,
                      const QString &entityName, DirectoryType::RootDirectoryTypes root, QObject *parent = nullptr);

protected:
    RequestInterface *createRequest() const override;
    QString successText() const override;
    QString failureText() const override;
};
