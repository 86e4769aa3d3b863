#include "database/portalvalue.h"

QVariant PortalValue::integer(const QVariantMap &object, const QString &key)
{
    return QVariant(object.value(key).toLongLong());
}

QVariant PortalValue::text(const QVariantMap &object, const QString &key)
{
    return QVariant(object.value(key).toString());
}
