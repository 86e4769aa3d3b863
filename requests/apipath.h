#pragma once

#include <QString>

// A portal path "/api/<version>/<endpoint>" with its query. Query values are
// percent-encoded, so a name or search text with "&", "#", "?", "+", "%" or
// spaces reaches the portal as typed.
class ApiPath
{
public:
    ApiPath(const QString &version, const QString &endpoint);

    static ApiPath v1(const QString &endpoint);
    static ApiPath v2(const QString &endpoint);

    ApiPath &query(const QString &key, const QString &value);
    ApiPath &query(const QString &key, const char *value);
    // Decimal number.
    ApiPath &query(const QString &key, int value);
    // "true" or "false".
    ApiPath &query(const QString &key, bool value);

    QString toString() const;

private:
    QString m_path;
    QString m_query;
};
