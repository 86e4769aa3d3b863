#pragma once

#include "controllers/folderlistingpage.h"

#include <QString>

class GetFoldersWorker;

// The destination picker: the folders of a folder of My documents, and the
// way up.
class SelectFolderDialogController : public FolderListingPage
{
    Q_OBJECT
    Q_PROPERTY(int parentId READ parentId WRITE setParentId NOTIFY parentIdChanged)
    Q_PROPERTY(QString parentName READ parentName WRITE setParentName NOTIFY parentNameChanged)

public:
    explicit SelectFolderDialogController(QObject *parent = nullptr);

    int parentId() const { return m_parentId; }
    void setParentId(int parentId);
    QString parentName() const { return m_parentName; }
    void setParentName(const QString &parentName);

    // 0 or less opens the root of My documents as the cache knows it.
    Q_INVOKABLE void loadFoldersAndFiles(int folderId) override;

signals:
    void foldersLoadingFinished();
    void parentIdChanged();
    void parentNameChanged();

protected:
    QString cacheQuery() const override;
    void emitLoadingFinished() override { emit foldersLoadingFinished(); }

private:
    int m_parentId = -1;
    QString m_parentName;
    GetFoldersWorker *m_worker = nullptr;
};
