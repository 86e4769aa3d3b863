#pragma once

#include "controllers/connectioncontroller.h"
#include "database/folderelemententity.h"

#include <QList>
#include <QString>

class QTimer;
class RemoteEntitiesModel;
class SearchFoldersAndFilesWorker;

// Searches the portal while the user types and shows the portal's answer.
class RemoteSearchPageController : public ConnectionController
{
    Q_OBJECT
    Q_PROPERTY(RemoteEntitiesModel *entitiesModel READ entitiesModel NOTIFY entitiesModelChanged)
    Q_PROPERTY(int searchFolder READ searchFolder WRITE setSearchFolder NOTIFY searchFolderChanged)
    Q_PROPERTY(bool cancelStartLoading READ cancelStartLoading WRITE setCancelStartLoading NOTIFY
                   cancelStartLoadingChanged)

public:
    static constexpr int s_typingPauseMs = 600;

    explicit RemoteSearchPageController(QObject *parent = nullptr);

    RemoteEntitiesModel *entitiesModel() const { return m_model; }
    int searchFolder() const { return m_searchFolder; }
    void setSearchFolder(int folderId);
    bool cancelStartLoading() const { return m_cancelStartLoading; }
    void setCancelStartLoading(bool cancel);

    // One search starts once the text has not changed for a while; an empty
    // text clears the results at once.
    Q_INVOKABLE void performSearch(const QString &query);
    Q_INVOKABLE QString escapeRegExp(const QString &text) const;
    // The folders above the result in that row, from the top down.
    Q_INVOKABLE QList<int> getFolderPath(int index) const;
    Q_INVOKABLE QList<QString> getFolderNames(int index) const;

signals:
    void entitiesModelChanged();
    void searchFolderChanged();
    void cancelStartLoadingChanged();

private slots:
    void startSearch();
    void updateEntitiesModel(const QList<FolderElementEntity> &results);
    void handleWork(bool success, const QString &errorMessage);

private:
    RemoteEntitiesModel *m_model;
    QTimer *m_timer;
    SearchFoldersAndFilesWorker *m_worker = nullptr;
    int m_searchFolder = 0;
    bool m_cancelStartLoading = false;
    QString m_query;
    // The text of the search whose answer is awaited.
    QString m_searchedQuery;
};
