#pragma once

#include "controllers/controller.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

class RemoteSortFilterModel;

// Multi-selection over the rows a page shows.
class RemoteSelectPageController : public Controller
{
    Q_OBJECT
    Q_PROPERTY(int selectedCount READ selectedCount WRITE setSelectedCount NOTIFY selectedCountChanged)
    Q_PROPERTY(RemoteSortFilterModel *entitiesModel READ entitiesModel WRITE setEntitiesModel NOTIFY
                   entitiesModelChanged)
    Q_PROPERTY(bool hasEmptyFile READ hasEmptyFile WRITE setHasEmptyFile NOTIFY hasEmptyFileChanged)

public:
    explicit RemoteSelectPageController(QObject *parent = nullptr);

    int selectedCount() const { return m_selectedCount; }
    void setSelectedCount(int count);
    RemoteSortFilterModel *entitiesModel() const { return m_model; }
    void setEntitiesModel(RemoteSortFilterModel *model);
    bool hasEmptyFile() const { return m_hasEmptyFile; }
    void setHasEmptyFile(bool hasEmptyFile);

    Q_INVOKABLE void reverseSelection(int index);
    Q_INVOKABLE void selectAll();
    Q_INVOKABLE void deselectAll();
    // Id to name of the selected rows: all, files only, folders only.
    Q_INVOKABLE QHash<int, QString> getSelected() const;
    Q_INVOKABLE QHash<int, QString> getSelectedFiles() const;
    Q_INVOKABLE QHash<int, QString> getSelectedFolders() const;
    Q_INVOKABLE QList<int> getSelectedFileIds() const;
    Q_INVOKABLE QList<int> getSelectedFolderIds() const;
    Q_INVOKABLE QStringList getSelectedFileNames() const;
    Q_INVOKABLE QStringList getSelectedFolderNames() const;

signals:
    void selectedCountChanged();
    void entitiesModelChanged();
    void hasEmptyFileChanged();

private slots:
    // Rows came or went under the selection: count it again.
    void recount();
    void watchSource();

private:
    enum class Kind { Any, Files, Folders };
    QHash<int, QString> selected(Kind kind) const;
    void setAll(bool selected);
    void checkEmpty();

    QPointer<RemoteSortFilterModel> m_model;
    QMetaObject::Connection m_sourceConnection;
    int m_selectedCount = 0;
    bool m_hasEmptyFile = false;
};
