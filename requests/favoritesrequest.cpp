#include "favoritesrequest.h"

#include <QJsonObject>

QJsonObject FavoritesRequest::documentsBody(const QList<int> &documentIds)
{
    return {
        {QStringLiteral("EntityIds"), toJsonArray(documentIds)},
        {QStringLiteral("Type"), QStringLiteral("Document")},
    };
}
