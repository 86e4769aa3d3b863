#pragma once

#include <QObject>
#include <QString>

// The sorting fields of the portal and local lists.
class SortingOptions : public QObject
{
    Q_OBJECT
public:
    enum State { None = 0, Date = 1, Name = 2, Type = 3, Size = 4, Author = 5 };
    Q_ENUM(State)

    static QString sortingOptionsToString(int state);
};
