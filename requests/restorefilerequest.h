#pragma once

#include "requests/relocationrequest.h"

// Brings documents back from the trash into a folder.
class RestoreFileRequest : public RelocationRequest
{
    Q_OBJECT
public:
    RestoreFileRequest(const QList<int> &fileIds, int toFolderId, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;
};
