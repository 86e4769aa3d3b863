#pragma once

#include "workers/worker.h"

#include <QList>
#include <QVariantMap>

// Asks whether folders copied or moved into a folder would meet folders of
// the same names there.
class CheckConflictWorker : public Worker
{
    Q_OBJECT
public:
    explicit CheckConflictWorker(QObject *parent = nullptr);

    void checkConflict(int toDirectoryId, const QList<int> &folderIds);

signals:
    void conflictChecked(bool conflict);

public slots:
    void handleCheckConflictRequest(const QVariantMap &result);
};
