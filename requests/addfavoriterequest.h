#pragma once

#include "requests/favoritesrequest.h"

// Marks a document as a favorite.
class AddFavoriteRequest : public FavoritesRequest
{
    Q_OBJECT
public:
    explicit AddFavoriteRequest(int documentId, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;

private:
    int m_documentId;
};
