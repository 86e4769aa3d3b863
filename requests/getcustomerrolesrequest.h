#pragma once

#include "requests/jsonrequest.h"

// The customer's roles (user groups).
class GetCustomerRolesRequest : public JsonRequest
{
    Q_OBJECT
public:
    explicit GetCustomerRolesRequest(QObject *parent = nullptr);

protected:
    QVariantMap perform() override;
};
