#include "deletefavoriterequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"

DeleteFavoriteRequest::DeleteFavoriteRequest(const QList<int> &documentIds, QObject *parent)
    : FavoritesRequest(parent)
    , m_documentIds(documentIds)
{
}

QVariantMap DeleteFavoriteRequest::perform()
{
    return report(post(ApiPath::v1(ApiContants::s_deleteFromFavorites).toString(), documentsBody(m_documentIds),
                       SendingLine::Quoted),
                  "Reply error", SuccessSaysError);
}
