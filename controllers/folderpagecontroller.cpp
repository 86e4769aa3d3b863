#include "folderpagecontroller.h"

FolderPageController::FolderPageController(QObject *parent)
    : ConnectionController(parent)
{
}

void FolderPageController::setSubController(FolderPageInterface *subController)
{
    if (m_subController == subController)
        return;
    if (m_subController)
        disconnect(m_subController, nullptr, this, nullptr);
    m_subController = subController;
    if (subController) {
        connect(subController, &ConnectionController::connectionInProgressChanged, this,
                &ConnectionController::connectionInProgressChanged);
        connect(subController, &ConnectionController::connectionFailedChanged, this,
                &ConnectionController::connectionFailedChanged);
        connect(subController, &ConnectionController::errorMessageChanged, this,
                &ConnectionController::errorMessageChanged);
    }
    emit subControllerChanged();
    // What this page shows now comes from the new controller.
    emit connectionInProgressChanged();
    emit connectionFailedChanged();
    emit errorMessageChanged();
}

void FolderPageController::setCancelStartLoading(bool cancel)
{
    m_cancelStartLoading = cancel;
    emit cancelStartLoadingChanged(cancel);
}

bool FolderPageController::isInitialised() const
{
    return m_subController && m_subController->settings() && m_subController->dao();
}

void FolderPageController::loadFoldersAndFiles(int folderId)
{
    if (isInitialised())
        m_subController->loadFoldersAndFiles(folderId);
}

void FolderPageController::setConnectionInProgress(bool inProgress)
{
    if (isInitialised())
        m_subController->setConnectionInProgress(inProgress);
}

bool FolderPageController::connectionInProgress() const
{
    return isInitialised() && m_subController->connectionInProgress();
}

bool FolderPageController::connectionFailed() const
{
    return isInitialised() && m_subController->connectionFailed();
}

QString FolderPageController::errorMessage() const
{
    return isInitialised() ? m_subController->errorMessage() : QString();
}
