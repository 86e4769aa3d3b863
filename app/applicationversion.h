#pragma once

#include <QObject>
#include <QString>

class ApplicationVersion : public QObject
{
    Q_OBJECT
public:
    explicit ApplicationVersion(QObject *parent = nullptr);

    Q_INVOKABLE static QString version();
};
