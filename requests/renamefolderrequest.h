#pragma once

#include "requests/renamerequest.h"

// Gives a folder a new name.
class RenameFolderRequest : public RenameRequest
{
    Q_OBJECT
public:
    RenameFolderRequest(int folderId, const QString &newName, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;
};
