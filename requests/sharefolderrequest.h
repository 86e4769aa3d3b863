#pragma once

#include "requests/singlesharerequest.h"

// Gives one user access to a folder.
class ShareFolderRequest : public SingleShareRequest
{
    Q_OBJECT
public:
    ShareFolderRequest(int folderId, int userId, FileAccessType::AccessType accessType, QObject *parent = nullptr);
};
