#pragma once

#include <QString>

// The leading pieces of every portal path: "/<api>/<version>/<endpoint>".
// The four account operations live under v2, everything else under v1.
class ApiServerPaths
{
public:
    static inline const QString s_api = QStringLiteral("api");
    static inline const QString s_v1 = QStringLiteral("v1");
    static inline const QString s_v2 = QStringLiteral("v2");
};
