#include "simulator/commandline.h"

#include <QJsonDocument>

bool CommandLine::parse(const QStringList &arguments, QString *error)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString option = arguments[i];
        if (option == QLatin1String("--help") || option == QLatin1String("-h")) {
            *error = usage();
            return false;
        }
        if (i + 1 >= arguments.size()) {
            *error = QStringLiteral("unknown option or missing value: %1\n%2").arg(option, usage());
            return false;
        }
        const QString value = arguments[++i];
        bool ok = true;
        if (option == QLatin1String("--port")) {
            port = value.toInt(&ok);
            ok = ok && port >= 0 && port <= 65535;
        } else if (option == QLatin1String("--data")) {
            dataDirectory = value;
        } else if (option == QLatin1String("--seed")) {
            seedFile = value;
        } else if (option == QLatin1String("--cert")) {
            certificateFile = value;
        } else if (option == QLatin1String("--key")) {
            keyFile = value;
        } else if (option == QLatin1String("--token-lifetime")) {
            tokenLifetimeSeconds = value.toInt(&ok);
            ok = ok && tokenLifetimeSeconds > 0;
        } else if (option == QLatin1String("--fault")) {
            const QJsonDocument document = QJsonDocument::fromJson(value.toUtf8());
            ok = document.isObject();
            faults.append(document.object());
        } else {
            *error = QStringLiteral("unknown option %1\n%2").arg(option, usage());
            return false;
        }
        if (!ok) {
            *error = QStringLiteral("bad value for %1: %2").arg(option, value);
            return false;
        }
    }
    if (certificateFile.isEmpty() != keyFile.isEmpty()) {
        *error = QStringLiteral("--cert and --key go together");
        return false;
    }
    return true;
}

QString CommandLine::usage()
{
    return QStringLiteral(
        "usage: vellix-portal-simulator [--port N] [--data DIR] [--seed FILE] [--cert FILE --key FILE]\n"
        "                               [--token-lifetime SECONDS] [--fault JSON]...");
}
