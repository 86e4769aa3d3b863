#include "apipath.h"

#include "requests/apiserverpaths.h"

#include <QUrl>

ApiPath::ApiPath(const QString &version, const QString &endpoint)
    : m_path(QStringLiteral("/%1/%2/%3").arg(ApiServerPaths::s_api, version, endpoint))
{
}

ApiPath ApiPath::v1(const QString &endpoint)
{
    return ApiPath(ApiServerPaths::s_v1, endpoint);
}

ApiPath ApiPath::v2(const QString &endpoint)
{
    return ApiPath(ApiServerPaths::s_v2, endpoint);
}

ApiPath &ApiPath::query(const QString &key, const QString &value)
{
    if (!m_query.isEmpty())
        m_query += QLatin1Char('&');
    m_query += QString::fromLatin1(QUrl::toPercentEncoding(key)) + QLatin1Char('=')
        + QString::fromLatin1(QUrl::toPercentEncoding(value));
    return *this;
}

ApiPath &ApiPath::query(const QString &key, const char *value)
{
    return query(key, QString::fromUtf8(value));
}

ApiPath &ApiPath::query(const QString &key, int value)
{
    return query(key, QString::number(value));
}

ApiPath &ApiPath::query(const QString &key, bool value)
{
    return query(key, value ? QStringLiteral("true") : QStringLiteral("false"));
}

QString ApiPath::toString() const
{
    if (m_query.isEmpty())
        return m_path;
    // Some endpoints carry a fixed query of their own ("Favorites/Delete?type=Document").
    const QLatin1Char separator = m_path.contains(QLatin1Char('?')) ? QLatin1Char('&') : QLatin1Char('?');
    return m_path + separator + m_query;
}
