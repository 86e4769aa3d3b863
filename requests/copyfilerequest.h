#pragma once

#include "requests/relocationrequest.h"

// Copies documents into a folder; the result lists the new copies.
class CopyFileRequest : public RelocationRequest
{
    Q_OBJECT
public:
    CopyFileRequest(const QList<int> &fileIds, int toFolderId, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;
};
