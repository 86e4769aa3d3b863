#pragma once

#include "controllers/controller.h"

#include <QString>

// The account page: who is signed in where, and signing out.
class UserAccountPageController : public Controller
{
    Q_OBJECT
    Q_PROPERTY(QString portalAddess READ portalAddess NOTIFY portalAddressChanged)
    Q_PROPERTY(QString userFullName READ userFullName NOTIFY userFullNameChanged)
    Q_PROPERTY(QString userEmail READ userEmail NOTIFY userEmailChanged)

public:
    explicit UserAccountPageController(QObject *parent = nullptr);

    QString portalAddess() const;
    QString userFullName() const;
    QString userEmail() const;

    // Empties the cache and the user's settings; the portal address stays.
    Q_INVOKABLE void logOut();

signals:
    void portalAddressChanged();
    void userFullNameChanged();
    void userEmailChanged();
    void loggedOut();

private:
    void setupSettingsSignals();
};
