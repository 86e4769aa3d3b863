#pragma once

#include "controllers/connectioncontroller.h"

#include <QRegularExpression>
#include <QString>

class AuthorizationWorker;

// The sign-in page: the typed address and credentials, and the sign-in itself.
class AuthorizationProgressPageController : public ConnectionController
{
    Q_OBJECT
    Q_PROPERTY(QString portalAddress READ portalAddress WRITE setPortalAddress NOTIFY portalAddressChanged)
    Q_PROPERTY(QString login READ login WRITE setLogin NOTIFY loginChanged)
    Q_PROPERTY(QString password READ password WRITE setPassword NOTIFY passwordChanged)

public:
    static const QRegularExpression s_protocol;

    explicit AuthorizationProgressPageController(QObject *parent = nullptr);

    QString portalAddress() const { return m_portalAddress; }
    // Drops trailing slashes and puts "https://" before an address that has
    // no "http://" or "https://" of its own (any letter case, kept in lower case).
    void setPortalAddress(const QString &address);
    QString login() const { return m_login; }
    void setLogin(const QString &login);
    QString password() const { return m_password; }
    void setPassword(const QString &password);

    // Stores what was typed, then signs in.
    Q_INVOKABLE void authorize();
    Q_INVOKABLE bool isAuthorized() const;

signals:
    void portalAddressChanged();
    void loginChanged();
    void passwordChanged();
    void authFinished();

private slots:
    void handleAuthorizationWork(bool success, const QString &errorMessage);

private:
    QString m_portalAddress;
    QString m_login;
    QString m_password;
    AuthorizationWorker *m_worker = nullptr;
};
