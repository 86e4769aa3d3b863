#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

// Where a transfer stores its result in a folder without replacing anything:
// the first choice, then numbered names until one is free.
class FreeFileName
{
    Q_DECLARE_TR_FUNCTIONS(FreeFileName)

public:
    // Document: "name", then "base_copy_n.ext"; Pdf: "base.pdf", then
    // "base_copy_n.pdf"; Archive: "name.zip", then "name(n).zip".
    enum Kind { Document, Pdf, Archive };

    FreeFileName(Kind kind, const QString &folder, const QString &name);

    QString folder() const { return m_folder; }
    // Candidate n, 0 being the first choice.
    QString candidate(int n) const;
    // The first candidate that nothing in the folder uses.
    QString firstFree() const;
    // Stores a file under the first free candidate with store, a copy or
    // rename that refuses to replace an existing file. A candidate taken in
    // the meantime moves on to the next one. Returns the path used, or an
    // empty string when store failed.
    QString place(const std::function<bool(const QString &target)> &store) const;

    // Everything before the last "." (the whole name without a dot).
    static QString baseName(const QString &fileName);
    // Everything after the last "." (empty without a dot).
    static QString extension(const QString &fileName);

private:
    static QString safeName(const QString &name);
    static bool isTaken(const QString &path);

    Kind m_kind;
    QString m_folder;
    QString m_name;
};
