#pragma once

#include "controllers/controller.h"

#include <QString>

// A controller whose page shows progress and errors of the workers it runs:
// idle (false, false, ""), busy (true, false, any) or failed (false, true, message).
class ConnectionController : public Controller
{
    Q_OBJECT
    Q_PROPERTY(bool connectionInProgress READ connectionInProgress WRITE setConnectionInProgress NOTIFY
                   connectionInProgressChanged)
    Q_PROPERTY(bool connectionFailed READ connectionFailed NOTIFY connectionFailedChanged)
    Q_PROPERTY(QString errorMessage READ errorMessage NOTIFY errorMessageChanged)

public:
    explicit ConnectionController(QObject *parent = nullptr);

    // Setters always notify, so a page sees a repeated failure too.
    virtual void setConnectionInProgress(bool inProgress);
    virtual bool connectionInProgress() const;
    virtual bool connectionFailed() const;
    virtual QString errorMessage() const;

    void setConnectionFailed(bool failed);
    void setErrorMessage(const QString &message);
    void showErrorMessage(const QString &message);

    Q_INVOKABLE void resetView();

signals:
    void connectionInProgressChanged();
    void connectionFailedChanged();
    void errorMessageChanged();

private:
    bool m_connectionInProgress = false;
    bool m_connectionFailed = false;
    QString m_errorMessage;
};
