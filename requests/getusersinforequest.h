#pragma once

#include "requests/jsonrequest.h"

#include <QVariant>

// The user records (names, contacts) of a set of user ids.
class GetUsersInfoRequest : public JsonRequest
{
    Q_OBJECT
public:
    explicit GetUsersInfoRequest(const QList<QVariant> &userIds, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;

private:
    QList<QVariant> m_userIds;
};
