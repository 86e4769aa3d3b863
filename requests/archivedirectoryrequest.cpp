#include "archivedirectoryrequest.h"

#include "requests/apicontants.h"

ArchiveDirectoryRequest::ArchiveDirectoryRequest(int folderId, QObject *parent)
    : ServerTaskStartRequest(ApiContants::s_directoryArchive, QStringLiteral("Id"), folderId, parent)
{
}
