#pragma once

#include "controllers/connectioncontroller.h"

#include <QList>
#include <QRegExp>
#include <QString>
#include <QVariantMap>

class GetDocumentInfoWorker;
class GetFolderInfoWorker;
class GetNamesInDirectoryWorker;

// The rename dialog: loads the names already used in the entry's folder, so
// that the dialog can refuse a duplicate, and gives the name field its
// validator. Entity info, then the parent id, then the names (namesUpdated).
class RenameController : public ConnectionController
{
    Q_OBJECT

public:
    explicit RenameController(QObject *parent = nullptr);

    Q_INVOKABLE void updateEntityInfo(int entityId, bool isFile);
    // Files compare without their extension.
    Q_INVOKABLE bool nameExists(const QString &name) const;
    // Validator of the name field: a Latin or Cyrillic letter, digit or white
    // space first, and no dot anywhere.
    Q_INVOKABLE QRegExp checkNewName() const;
    // ".ext" of a file name with a dot; empty for a folder or a name without one.
    Q_INVOKABLE QString getExtension(const QString &fileName, bool isFile) const;
    Q_INVOKABLE QString getPureName(const QString &fileName, bool isFile) const;

signals:
    void namesUpdated();

public slots:
    void handleGetInfoWork(const QVariantMap &info);
    void handleGetNamesWork(const QList<QString> &names);

private slots:
    void handleLoadWork(bool success, const QString &message);

private:
    void getNamesInParent();

    GetDocumentInfoWorker *m_documentInfoWorker;
    GetFolderInfoWorker *m_folderInfoWorker;
    GetNamesInDirectoryWorker *m_namesWorker;
    bool m_isFile = false;
    int m_parentId = -1;
    QList<QString> m_names;
};
