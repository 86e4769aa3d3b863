#include "convertdocumenttopdfrequest.h"

#include "requests/apicontants.h"

ConvertDocumentToPdfRequest::ConvertDocumentToPdfRequest(int documentId, QObject *parent)
    : ServerTaskStartRequest(ApiContants::s_documentConvert, QStringLiteral("id"), documentId, parent)
{
}
