#pragma once

#include "workers/worker.h"

#include <QVariantMap>

// Sends the support feedback form.
class SupportWorker : public Worker
{
    Q_OBJECT
public:
    explicit SupportWorker(Settings *settings, QObject *parent = nullptr);

    void sendFeedback(const QString &portalAddress, const QString &email, const QString &subject,
                      const QString &text);

public slots:
    void handleFeedback(const QVariantMap &response);
};
