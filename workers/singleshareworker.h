#pragma once

#include "requests/fileaccesstype.h"
#include "workers/operationworker.h"

#include <QVariantMap>

// Gives or takes one user's access to one file or folder, with the entry shown
// busy meanwhile; the subclasses name the request and the texts.
class SingleShareWorker : public OperationWorker
{
    Q_OBJECT
public slots:
    void handleRequest(const QVariantMap &result);

protected:
    enum EntryKind { File, Folder };

    SingleShareWorker(EntryKind kind, DataAccessObject *dao, int entityId, int userId,
                      FileAccessType::AccessType accessType, const QString &entityName,
                      DirectoryType::RootDirectoryTypes root, QObject *parent);

    void startWork() final;

    virtual RequestInterface *createRequest() const = 0;
    // Both with "%1" for the entity's name.
    virtual QString successText() const = 0;
    virtual QString failureText() const = 0;

    const int m_entityId;
    const int m_userId;
    const FileAccessType::AccessType m_accessType;

private:
    const EntryKind m_kind;
    const QString m_entityName;
};
