#pragma once

#include "requests/jsonrequest.h"

// Portal users found by a search text.
class SearchUsersRequest : public JsonRequest
{
    Q_OBJECT
public:
    explicit SearchUsersRequest(const QString &searchText, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;

private:
    QString m_searchText;
};
