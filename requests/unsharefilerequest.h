#pragma once

#include "requests/singlesharerequest.h"

// Takes one user's access to a document away.
class UnShareFileRequest : public SingleShareRequest
{
    Q_OBJECT
public:
    UnShareFileRequest(int documentId, int userId, FileAccessType::AccessType accessType, QObject *parent = nullptr);
};
