#include "addfavoriterequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"

AddFavoriteRequest::AddFavoriteRequest(int documentId, QObject *parent)
    : FavoritesRequest(parent)
    , m_documentId(documentId)
{
}

QVariantMap AddFavoriteRequest::perform()
{
    return report(post(ApiPath::v1(ApiContants::s_addToFavorites).toString(), documentsBody({m_documentId}),
                       SendingLine::Quoted),
                  "Reply error", SuccessSaysError);
}
