#pragma once

#include "requests/renamerequest.h"

// Gives a document a new name.
class RenameFileRequest : public RenameRequest
{
    Q_OBJECT
public:
    RenameFileRequest(int fileId, const QString &newName, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;
};
