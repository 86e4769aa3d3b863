#include "supportpagecontroller.h"

#include "workers/supportworker.h"

SupportPageController::SupportPageController(QObject *parent)
    : ConnectionController(parent)
{
}

void SupportPageController::sendMessage(const QString &portalAddress, const QString &email, const QString &subject,
                                        const QString &text)
{
    if (!m_worker) {
        m_worker = new SupportWorker(m_settings, this);
        connect(m_worker, &Worker::workFinished, this, &SupportPageController::handleProcessFeedback);
    }
    setConnectionInProgress(true);
    setConnectionFailed(false);
    m_worker->sendFeedback(portalAddress, email, subject, text);
}

void SupportPageController::handleProcessFeedback(bool success, const QString &)
{
    if (success) {
        emit messageSended();
    } else {
        emit errorSendMessage();
        setConnectionFailed(true);
    }
    setConnectionInProgress(false);
}
