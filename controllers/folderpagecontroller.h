#pragma once

#include "controllers/folderpageinterface.h"

#include <QPointer>

// One QML folder page for any folder page controller: it forwards the load
// and the progress and error state to the controller it holds.
class FolderPageController : public ConnectionController
{
    Q_OBJECT
    Q_PROPERTY(FolderPageInterface *subController READ subController WRITE setSubController NOTIFY
                   subControllerChanged)
    Q_PROPERTY(bool cancelStartLoading READ cancelStartLoading WRITE setCancelStartLoading NOTIFY
                   cancelStartLoadingChanged)

public:
    explicit FolderPageController(QObject *parent = nullptr);

    FolderPageInterface *subController() const { return m_subController; }
    void setSubController(FolderPageInterface *subController);
    bool cancelStartLoading() const { return m_cancelStartLoading; }
    void setCancelStartLoading(bool cancel);

    // Without an initialised sub-controller these do nothing and read false or "".
    Q_INVOKABLE void loadFoldersAndFiles(int folderId);
    void setConnectionInProgress(bool inProgress) override;
    bool connectionInProgress() const override;
    bool connectionFailed() const override;
    QString errorMessage() const override;

signals:
    void subControllerChanged();
    void cancelStartLoadingChanged(bool cancelStartLoading);
    void entitiesModelChanged();

private:
    // Set, and holding its settings and its cache.
    bool isInitialised() const;

    QPointer<FolderPageInterface> m_subController;
    bool m_cancelStartLoading = false;
};
