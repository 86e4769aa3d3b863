#pragma once

#include "requests/jsonrequest.h"

// What the favorites requests share: the portal marks documents by their ids
// and confirms without data.
class FavoritesRequest : public JsonRequest
{
    Q_OBJECT
public:
    using JsonRequest::JsonRequest;

protected:
    // {"EntityIds": [...], "Type": "Document"}
    static QJsonObject documentsBody(const QList<int> &documentIds);
};
