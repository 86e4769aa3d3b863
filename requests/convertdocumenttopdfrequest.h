#pragma once

#include "requests/servertaskstartrequest.h"

// Asks the portal to convert a document to PDF; the PDF is downloaded when
// the task is complete.
class ConvertDocumentToPdfRequest : public ServerTaskStartRequest
{
    Q_OBJECT
public:
    explicit ConvertDocumentToPdfRequest(int documentId, QObject *parent = nullptr);
};
