#pragma once

#include "requests/singlesharerequest.h"

// Takes one user's access to a folder away.
class UnShareFolderRequest : public SingleShareRequest
{
    Q_OBJECT
public:
    UnShareFolderRequest(int folderId, int userId, FileAccessType::AccessType accessType, QObject *parent = nullptr);
};
