#pragma once

#include "models/directorytype.h"
#include "workers/runnableworker.h"

#include <QList>
#include <QStringList>
#include <QThread>
#include <QVariantMap>

// A runnable operation on entries of one root section. It remembers the busy
// marks it set in that section's cache table, so that however it ends, none
// is left behind.
class OperationWorker : public RunnableWorker
{
    Q_OBJECT
public:
    OperationWorker(DataAccessObject *dao, DirectoryType::RootDirectoryTypes root, QObject *parent);

signals:
    // Bytes of a download or upload under way, in this worker's thread; total
    // is -1 while the portal has not said.
    void transferProgress(qint64 done, qint64 total);
    // Where a finished download was saved, just before its workFinished.
    void transferSaved(const QString &path);

protected:
    // Passes a transfer request's progress on as transferProgress; queued, so
    // that it arrives before the request's result.
    template <typename R>
    void forwardProgress(R *request)
    {
        connect(request, &R::progress, this, &OperationWorker::transferProgress, Qt::QueuedConnection);
    }

    // A confirmed result: "success" true and no error text.
    static bool succeeded(const QVariantMap &result);
    static QString errorText(const QVariantMap &result);
    static QString joinNames(const QStringList &names);
    // oneName for exactly one name, severalNames otherwise; "%1" gets the joined names.
    static QString textForNames(const QStringList &names, const QString &oneName, const QString &severalNames);

    bool inTrash() const { return m_root == DirectoryType::Trash; }

    void markFilesBusy(const QList<int> &ids);
    void markFoldersBusy(const QList<int> &ids);
    // Clears every busy mark this worker still holds.
    void clearBusy();

    // The warning carries the result's error text as summary, which is also the reported message.
    void fail(const QString &text, const QVariantMap &result);
    void fail(const QString &text, const QString &summary, const QString &message);
    void succeed(const QString &info, const QString &message);

    // Inside run() the request runs right here on the pool thread; from a
    // handler it goes to the pool, since the main thread must not wait for the portal.
    template <typename W>
    void sendRequest(RequestInterface *request, void (W::*handler)(const QVariantMap &))
    {
        if (QThread::currentThread() == thread())
            startRequest(request, handler);
        else
            runRequest(request, handler);
    }

    const DirectoryType::RootDirectoryTypes m_root;

private:
    QList<int> m_busyFiles;
    QList<int> m_busyFolders;
};
