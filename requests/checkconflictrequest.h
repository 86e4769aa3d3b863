#pragma once

#include "requests/relocationrequest.h"

// Asks whether folders copied or moved into a folder would meet folders of
// the same names there.
class CheckConflictRequest : public RelocationRequest
{
    Q_OBJECT
public:
    CheckConflictRequest(int toFolderId, const QList<int> &folderIds, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;
};
