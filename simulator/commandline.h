#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// The simulator's options.
struct CommandLine
{
    int port = 0;
    QString dataDirectory;      // empty: a temporary one
    QString seedFile;           // empty: the installed demo data
    QString certificateFile;
    QString keyFile;
    int tokenLifetimeSeconds = 0;   // 0: the default
    QList<QJsonObject> faults;

    // False with a message for unknown or malformed options.
    bool parse(const QStringList &arguments, QString *error);
    static QString usage();
};
