#pragma once

#include <QString>

// The documents folder and the local trash under a container's root, and the
// checks that keep file operations from QML inside them.
class ContainerPaths
{
public:
    explicit ContainerPaths(const QString &rootPath);

    bool isOpen() const { return !m_rootPath.isEmpty(); }
    QString documents() const;
    QString trash() const;

    // An existing file right inside folder, also after resolving links.
    static bool holdsFile(const QString &folder, const QString &path);
    // A file name that cannot step out of the folder it is joined to.
    static bool isPlainName(const QString &name);

private:
    QString m_rootPath;
};
