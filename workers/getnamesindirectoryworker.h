#pragma once

#include "workers/latestrequest.h"
#include "workers/worker.h"

#include <QList>
#include <QString>
#include <QVariantMap>

// The names already used by the sub-folders or the documents of a folder.
class GetNamesInDirectoryWorker : public Worker
{
    Q_OBJECT
public:
    explicit GetNamesInDirectoryWorker(QObject *parent = nullptr);

    void loadFolderNames(int folderId);
    void loadFilesNames(int folderId);

signals:
    void namesReady(const QList<QString> &names);

public slots:
    void handleFolderNames(const QVariantMap &response);
    void handleDocumentsNames(const QVariantMap &response);

private:
    // Emits the "Name" of every object, in order, or the request's failure.
    void reportNames(const QVariantMap &response, const QList<QVariant> &objects);

    LatestRequest m_requests;
};
