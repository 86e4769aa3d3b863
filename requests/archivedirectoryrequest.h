#pragma once

#include "requests/servertaskstartrequest.h"

// Asks the portal to pack a folder into a zip archive; UserTaskDownloadRequest
// fetches it when the task is complete.
class ArchiveDirectoryRequest : public ServerTaskStartRequest
{
    Q_OBJECT
public:
    explicit ArchiveDirectoryRequest(int folderId, QObject *parent = nullptr);
};
