#include "abstractloadentriesworker.h"

#include "requests/getdocumentsrequest.h"
#include "requests/getfoldersrequest.h"
#include "requests/getusersinforequest.h"
#include "workers/getusersinfoworker.h"
#include "workers/requestoutcome.h"

#include <QVector>

namespace {
const QString s_childrenKey = QStringLiteral("Children");
const QString s_ownerIdKey = QStringLiteral("OwnerId");
} // namespace

AbstractLoadEntriesWorker::AbstractLoadEntriesWorker(DataAccessObject *dao, DataAccessObject::ListingScope scope,
                                                     QObject *parent)
    : Worker(nullptr, dao, parent)
    , m_scope(scope)
{
}

void AbstractLoadEntriesWorker::getFoldersFromServer(int folderId, DirectoryType::RootDirectoryTypes root)
{
    beginLoad(folderId, root);
    m_requests.start(this, new GetFoldersRequest(folderId), &AbstractLoadEntriesWorker::handleGetFoldersRequest);
}

void AbstractLoadEntriesWorker::getDocumentsFromServer(int folderId, DirectoryType::RootDirectoryTypes root)
{
    beginLoad(folderId, root);
    requestDocuments();
}

void AbstractLoadEntriesWorker::requestDocuments()
{
    m_requests.start(this, new GetDocumentsRequest(m_folderId), &AbstractLoadEntriesWorker::handleGetDocumentsRequest);
}

void AbstractLoadEntriesWorker::beginLoad(int folderId, DirectoryType::RootDirectoryTypes root)
{
    m_root = root;
    m_folderId = folderId;
    m_ownerIds.clear();
}

void AbstractLoadEntriesWorker::loadUsersInfo(const QList<QVariant> &ids)
{
    m_requests.start(this, new GetUsersInfoRequest(ids), &AbstractLoadEntriesWorker::handleGetUsersInfoRequest);
}

void AbstractLoadEntriesWorker::addFolders(QList<QVariant> folders)
{
    QList<QVariant> descendants;
    fillFoldersChildren(folders.size() - 1, folders, &descendants);
    folders.append(descendants);
    m_folders = folders;
    addOwnerIds(m_folders);
}

void AbstractLoadEntriesWorker::addDocuments(const QList<QVariant> &documents)
{
    m_documents = documents;
    addOwnerIds(m_documents);
}

void AbstractLoadEntriesWorker::addOwnerIds(const QList<QVariant> &entries)
{
    for (const QVariant &entry : entries) {
        const QVariant owner = entry.toMap().value(s_ownerIdKey);
        if (owner.isNull())
            continue;
        const int ownerId = owner.toInt();
        if (ownerId <= 0 || m_ownerIds.contains(ownerId))
            continue;
        if (m_dao->retrieveUserById(ownerId).isEmpty())
            m_ownerIds.append(ownerId);
    }
}

void AbstractLoadEntriesWorker::fillFoldersChildren(int index, const QList<QVariant> &folders, QList<QVariant> *out)
{
    // An explicit stack rather than recursion: a folder may hold tens of
    // thousands of sub-folders, and the tree may be deep.
    struct Level
    {
        QList<QVariant> folders;
        int index;
    };
    QVector<Level> pending{{folders, qMin(index, folders.size() - 1)}};
    while (!pending.isEmpty()) {
        Level &level = pending.last();
        if (level.index < 0) {
            pending.removeLast();
            continue;
        }
        const QList<QVariant> children = level.folders.at(level.index--).toMap().value(s_childrenKey).toList();
        if (children.isEmpty())
            continue;
        out->append(children);
        pending.append({children, children.size() - 1});
    }
}

void AbstractLoadEntriesWorker::updateFilesAndFoldersInDatabase()
{
    m_dao->updateFilesAndFolders(m_documents, m_folders, m_folderId, m_root, m_scope);
}

void AbstractLoadEntriesWorker::handleGetDocumentsRequest(const QVariantMap &)
{
}

void AbstractLoadEntriesWorker::handleGetFoldersRequest(const QVariantMap &)
{
}

void AbstractLoadEntriesWorker::handleGetUsersInfoRequest(const QVariantMap &response)
{
    GetUsersInfoWorker::storeUsers(m_dao, response);
    finishLoad(response);
}

void AbstractLoadEntriesWorker::storeListing(const QVariantMap &response)
{
    updateFilesAndFoldersInDatabase();
    if (m_ownerIds.isEmpty())
        finishLoad(response);
    else
        loadUsersInfo(m_ownerIds);
}

void AbstractLoadEntriesWorker::finishLoad(const QVariantMap &response)
{
    disconnectSignals();
    if (RequestOutcome::succeeded(response))
        emit workFinished(true, QString());
    else
        emit workFinished(false, RequestOutcome::failureMessage(response));
}

bool AbstractLoadEntriesWorker::endOnFailure(const QVariantMap &response)
{
    if (RequestOutcome::succeeded(response))
        return false;
    finishLoad(response);
    return true;
}
