#pragma once

#include "requests/favoritesrequest.h"

// Takes every document off the favorites.
class ClearFavoritesRequest : public FavoritesRequest
{
    Q_OBJECT
public:
    explicit ClearFavoritesRequest(QObject *parent = nullptr);

protected:
    QVariantMap perform() override;
};
