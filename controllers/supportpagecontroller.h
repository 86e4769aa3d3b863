#pragma once

#include "controllers/connectioncontroller.h"

class SupportWorker;

// The support feedback form; the page only learns whether it was sent.
class SupportPageController : public ConnectionController
{
    Q_OBJECT

public:
    explicit SupportPageController(QObject *parent = nullptr);

    Q_INVOKABLE void sendMessage(const QString &portalAddress, const QString &email, const QString &subject,
                                 const QString &text);

signals:
    void messageSended();
    void errorSendMessage();

private slots:
    void handleProcessFeedback(bool success, const QString &errorMessage);

private:
    SupportWorker *m_worker = nullptr;
};
