#include "connectioncontroller.h"

ConnectionController::ConnectionController(QObject *parent)
    : Controller(parent)
{
}

void ConnectionController::setConnectionInProgress(bool inProgress)
{
    m_connectionInProgress = inProgress;
    emit connectionInProgressChanged();
}

bool ConnectionController::connectionInProgress() const
{
    return m_connectionInProgress;
}

bool ConnectionController::connectionFailed() const
{
    return m_connectionFailed;
}

QString ConnectionController::errorMessage() const
{
    return m_errorMessage;
}

void ConnectionController::setConnectionFailed(bool failed)
{
    m_connectionFailed = failed;
    emit connectionFailedChanged();
}

void ConnectionController::setErrorMessage(const QString &message)
{
    m_errorMessage = message;
    emit errorMessageChanged();
}

void ConnectionController::showErrorMessage(const QString &message)
{
    setConnectionInProgress(false);
    setErrorMessage(message);
    setConnectionFailed(true);
}

void ConnectionController::resetView()
{
    setConnectionInProgress(false);
    setConnectionFailed(false);
    setErrorMessage(QString());
}
