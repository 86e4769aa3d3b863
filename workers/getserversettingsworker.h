#pragma once

#include "workers/runnableworker.h"

#include <QVariantMap>

// Fetches the address of the portal's document editor server into the settings.
class GetServerSettingsWorker : public RunnableWorker
{
    Q_OBJECT
public:
    explicit GetServerSettingsWorker(Settings *settings, QObject *parent = nullptr);

public slots:
    void handleGetServerSettings(const QVariantMap &response);

protected:
    void startWork() override;
};
