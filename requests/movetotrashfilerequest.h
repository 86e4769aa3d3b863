#pragma once

#include "requests/jsonrequest.h"

// Moves documents to the trash, or deletes them for good when they are in it.
class MoveToTrashFileRequest : public JsonRequest
{
    Q_OBJECT
public:
    explicit MoveToTrashFileRequest(const QList<int> &fileIds, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;

private:
    QList<int> m_fileIds;
};
