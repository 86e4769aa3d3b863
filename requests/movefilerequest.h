#pragma once

#include "requests/relocationrequest.h"

// Moves documents into another folder.
class MoveFileRequest : public RelocationRequest
{
    Q_OBJECT
public:
    MoveFileRequest(const QList<int> &fileIds, int toFolderId, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;
};
