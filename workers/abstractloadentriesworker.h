#pragma once

#include "database/dataaccessobject.h"
#include "models/directorytype.h"
#include "workers/latestrequest.h"
#include "workers/worker.h"

#include <QList>
#include <QVariant>
#include <QVariantMap>

// A listing load: fetches folders and/or documents of one folder from the
// portal, stores them in the cache, then fetches the owners of this load that
// the cache does not know yet. Reports one workFinished per load; when a
// reused worker is started again before its answers arrived, only the newest
// load reports.
class AbstractLoadEntriesWorker : public Worker
{
    Q_OBJECT
public:
    // Each starts a load of its own.
    void getFoldersFromServer(int folderId, DirectoryType::RootDirectoryTypes root);
    void getDocumentsFromServer(int folderId, DirectoryType::RootDirectoryTypes root);
    void loadUsersInfo(const QList<QVariant> &ids);

    // Stores the folders answer with every nested "Children" list flattened
    // into it (top level first) and collects its owners.
    void addFolders(QList<QVariant> folders);
    void addDocuments(const QList<QVariant> &documents);
    // Remembers the owners of entries that the users table lacks, for this load.
    void addOwnerIds(const QList<QVariant> &entries);
    // Appends the children lists of folders[index] down to folders[0] and of
    // all their descendants to out: siblings from last to first, each child
    // list before the lists of its descendants.
    static void fillFoldersChildren(int index, const QList<QVariant> &folders, QList<QVariant> *out);
    void updateFilesAndFoldersInDatabase();

    const QList<QVariant> &documents() const { return m_documents; }
    const QList<QVariant> &folders() const { return m_folders; }
    const QList<QVariant> &ownerIds() const { return m_ownerIds; }

public slots:
    virtual void handleGetDocumentsRequest(const QVariantMap &response);
    virtual void handleGetFoldersRequest(const QVariantMap &response);
    virtual void handleGetUsersInfoRequest(const QVariantMap &response);

protected:
    // scope: the kinds of entry this load fetches, the only ones it replaces in the cache.
    AbstractLoadEntriesWorker(DataAccessObject *dao, DataAccessObject::ListingScope scope, QObject *parent);

    int folderId() const { return m_folderId; }
    DirectoryType::RootDirectoryTypes root() const { return m_root; }

    // The documents request of a load that began with its folders.
    void requestDocuments();

    // Writes the listing into the cache, then loads the unknown owners or
    // reports success.
    void storeListing(const QVariantMap &response);
    // Ends the load with the request's result.
    void finishLoad(const QVariantMap &response);
    // A failed request ends the load and leaves the cache as it was.
    bool endOnFailure(const QVariantMap &response);

private:
    // A new load forgets the owners of the one before: a redundant fetch of
    // them could only fail a good refresh.
    void beginLoad(int folderId, DirectoryType::RootDirectoryTypes root);

    QList<QVariant> m_documents;
    QList<QVariant> m_folders;
    QList<QVariant> m_ownerIds;
    DirectoryType::RootDirectoryTypes m_root = DirectoryType::Default;
    int m_folderId = 0;
    DataAccessObject::ListingScope m_scope;
    LatestRequest m_requests;
};
