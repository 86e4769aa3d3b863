#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>

// The folders above a search result, read from its nested "Parent" objects:
// appended to the list from the topmost ancestor down to the direct parent
// (the object itself is not included); returns a copy of the list.
QList<int> getPath(QList<int> *path, const QVariantMap &object);
QList<QString> getName(QList<QString> *names, const QVariantMap &object);
