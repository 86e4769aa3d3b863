#include "favoritesrequest.h"

#include <QJsonObject>

QJsonObject FavoritesRequest::documentsBody(const QList<int> &documentIds)
{
    return {
        {QStringLiteral("EntityIds"), toJsonArray(documentIds)},
        {QStringLiteral("Type"), QStringLiteral("Document")},
    };
}

QVariantMap FavoritesRequest::favoritesResult(const NetworkReplyHandler &handler)
{
    if (handler.isError()) {
        logFailure("Reply error", handler);
        return errorOnlyResult(handler.errorMessage());
    }
    const QVariantMap result{{s_successKey, true}, {s_errorKey, handler.errorMessage()}};
    logResult(result);
    return result;
}
