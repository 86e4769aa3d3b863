#pragma once

#include "requests/favoritesrequest.h"

// Takes documents off the favorites.
class DeleteFavoriteRequest : public FavoritesRequest
{
    Q_OBJECT
public:
    explicit DeleteFavoriteRequest(const QList<int> &documentIds, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;

private:
    QList<int> m_documentIds;
};
