#pragma once

#include "requests/singlesharerequest.h"

// Gives one user access to a document.
class ShareFileRequest : public SingleShareRequest
{
    Q_OBJECT
public:
    ShareFileRequest(int documentId, int userId, FileAccessType::AccessType accessType, QObject *parent = nullptr);
};
