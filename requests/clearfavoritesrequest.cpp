#include "clearfavoritesrequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"

ClearFavoritesRequest::ClearFavoritesRequest(QObject *parent)
    : FavoritesRequest(parent)
{
}

QVariantMap ClearFavoritesRequest::perform()
{
    // The endpoint carries its own "?type=Document".
    return report(deleteResource(ApiPath::v1(ApiContants::s_clearFavorites).toString()), "Reply error",
                  SuccessSaysError);
}
