#include "applicationversion.h"

ApplicationVersion::ApplicationVersion(QObject *parent)
    : QObject(parent)
{
}

QString ApplicationVersion::version()
{
    static const QString s_version = QStringLiteral("1.8.5.114");
    return s_version;
}
