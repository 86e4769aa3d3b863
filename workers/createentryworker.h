#pragma once

#include "workers/worker.h"

#include <QVariantMap>

// What creating a document and creating a folder share: the reports, and
// the ids of the last creation, which stay -1 until one succeeded.
class CreateEntryWorker : public Worker
{
    Q_OBJECT
public:
    static constexpr int s_noId = -1;

    explicit CreateEntryWorker(QObject *parent);

protected:
    // An id of the result; s_noId when the portal sent none.
    static int resultId(const QVariantMap &result, const QString &key);
    // Notifies and reports; on success the name under nameKey is the message.
    void reportCreation(const QVariantMap &result, const QString &nameKey);
};
