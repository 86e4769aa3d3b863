#pragma once

#include "simulator/apimessage.h"

#include <QHash>
#include <QString>

#include <functional>

// The endpoint table: method and path to handler. Paths compare without
// regard to case, as the portal's routing does.
class Router
{
public:
    using Handler = std::function<ApiReply(ApiRequest &)>;
    enum class Access { Public, SignedIn };

    struct Route
    {
        Handler handler;
        Access access = Access::SignedIn;
    };

    void add(const QString &method, const QString &path, Access access, Handler handler);
    // Null when nothing is registered for the method and path.
    const Route *find(const QString &method, const QString &path) const;
    // True when the path exists for some other method (gives 405 instead of 404).
    bool knowsPath(const QString &path) const;
    QStringList endpoints() const;

private:
    static QString key(const QString &method, const QString &path);

    QHash<QString, Route> m_routes;
};
