#pragma once

#include "controllers/connectioncontroller.h"
#include "models/directorytype.h"
#include "models/transferlistmodel.h"

class OperationWorker;
class RunnableWorker;

// Base of the controllers behind the file and folder menus: the root section
// of the page, which selects the cache table the operations change, and a
// busy state that lasts while any operation the controller started runs.
class ActionsController : public ConnectionController
{
    Q_OBJECT
    Q_PROPERTY(DirectoryType::RootDirectoryTypes folderType READ folderType WRITE setFolderType NOTIFY
                   folderTypeChanged)

public:
    explicit ActionsController(QObject *parent = nullptr);

    DirectoryType::RootDirectoryTypes folderType() const { return m_folderType; }
    void setFolderType(DirectoryType::RootDirectoryTypes folderType);

signals:
    void folderTypeChanged();
    // An operation succeeded: the page reloads its listing.
    void needUpdate();

public slots:
    void handleWork(bool success, const QString &data);

protected:
    // Starts the worker on the global pool; its end reaches handleWork.
    void start(RunnableWorker *worker);
    // The same, with a row in the transfer list.
    void startTransfer(OperationWorker *worker, const QString &name, TransferListModel::Direction direction);
    // Busy from here until as many endOperation calls.
    void beginOperation();
    // Ends one operation; a failure shows its message, other operations may still run.
    void endOperation(bool success, const QString &message);

private:
    DirectoryType::RootDirectoryTypes m_folderType = DirectoryType::Default;
    int m_running = 0;
};
