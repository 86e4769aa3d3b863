#pragma once

#include "requests/requestinterface.h"

// The portal's server settings: where its document editor server is.
class GetServerSettingsRequest : public RequestInterface
{
    Q_OBJECT
public:
    explicit GetServerSettingsRequest(QObject *parent = nullptr);

protected:
    QVariantMap perform() override;
};
