#pragma once

#include "workers/worker.h"

#include <QVariantMap>

// Takes every document off the favorites (the favorites page's "clear").
class ClearFavoritesWorker : public Worker
{
    Q_OBJECT
public:
    explicit ClearFavoritesWorker(DataAccessObject *dao, QObject *parent = nullptr);

    void clearFavorites();

public slots:
    void handleClearFavoritesRequest(const QVariantMap &result);
};
