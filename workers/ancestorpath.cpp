#include "ancestorpath.h"

#include "logging/eventlogger.h"

#include <QDebug>
#include <QVariant>

namespace {

// The "Parent" chain, direct parent first; walked in a loop, so the depth of
// the tree does not matter.
QList<QVariantMap> ancestors(const QVariantMap &object)
{
    QList<QVariantMap> chain;
    QVariantMap current = object;
    while (true) {
        qInfo().noquote() << EventLogger::variantMapToJsonString(current);
        const QVariantMap parent = current.value(QStringLiteral("Parent")).toMap();
        if (parent.isEmpty())
            return chain;
        chain.prepend(parent);
        current = parent;
    }
}

template <typename T, typename Read>
QList<T> appendAncestors(QList<T> *list, const QVariantMap &object, Read read)
{
    for (const QVariantMap &ancestor : ancestors(object))
        list->append(read(ancestor));
    return *list;
}

} // namespace

QList<int> getPath(QList<int> *path, const QVariantMap &object)
{
    return appendAncestors(path, object, [](const QVariantMap &folder) { return folder.value(QStringLiteral("Id")).toInt(); });
}

QList<QString> getName(QList<QString> *names, const QVariantMap &object)
{
    return appendAncestors(names, object,
                           [](const QVariantMap &folder) { return folder.value(QStringLiteral("Name")).toString(); });
}
