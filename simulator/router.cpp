#include "simulator/router.h"

#include <algorithm>

void Router::add(const QString &method, const QString &path, Access access, Handler handler)
{
    m_routes.insert(key(method, path), Route{std::move(handler), access});
}

const Router::Route *Router::find(const QString &method, const QString &path) const
{
    const auto it = m_routes.constFind(key(method, path));
    return it == m_routes.constEnd() ? nullptr : &it.value();
}

bool Router::knowsPath(const QString &path) const
{
    const QString suffix = QLatin1Char(' ') + path.toLower();
    return std::any_of(m_routes.keyBegin(), m_routes.keyEnd(),
                       [&](const QString &routeKey) { return routeKey.endsWith(suffix); });
}

QStringList Router::endpoints() const
{
    QStringList list = m_routes.keys();
    std::sort(list.begin(), list.end());
    return list;
}

QString Router::key(const QString &method, const QString &path)
{
    QString normalised = path.toLower();
    while (normalised.size() > 1 && normalised.endsWith(QLatin1Char('/')))
        normalised.chop(1);
    return method.toUpper() + QLatin1Char(' ') + normalised;
}
