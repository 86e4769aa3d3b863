#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QVariant>

class QSettings;

// The QML-facing view of "appConfig.ini". Every read syncs from disk and every
// write syncs to disk, so several objects and the free functions below, on any
// thread, see each other's writes.
class Settings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString portalAddress READ portalAddress WRITE savePortalAddress NOTIFY portalAddressChanged)
    Q_PROPERTY(QString login READ login WRITE saveLogin NOTIFY loginChanged)
    Q_PROPERTY(QString password READ password WRITE savePassword NOTIFY passwordChanged)
    Q_PROPERTY(QString accessToken READ accessToken WRITE saveAccessToken NOTIFY accessTokenChanged)
    Q_PROPERTY(QString refreshToken READ refreshToken WRITE saveRefreshToken NOTIFY refreshTokenChanged)
    Q_PROPERTY(QDateTime lastAuthorizationTime READ lastAuthorizationTime WRITE saveLastAuthorizationTime NOTIFY lastAuthorizationTimeChanged)
    Q_PROPERTY(int userId READ userId WRITE saveUserId NOTIFY userIdChanged)
    Q_PROPERTY(QString userEmail READ userEmail WRITE saveUserEmail NOTIFY userEmailChanged)
    Q_PROPERTY(QString userName READ userName WRITE saveUserName NOTIFY userNameChanged)
    Q_PROPERTY(QString userSurname READ userSurname WRITE saveUserSurname NOTIFY userSurnameChanged)
    Q_PROPERTY(QString userFirstName READ userFirstName WRITE saveUserFirstName NOTIFY userFirstNameChanged)
    Q_PROPERTY(QString userMiddleName READ userMiddleName WRITE saveUserMiddleName NOTIFY userMiddleNameChanged)
    Q_PROPERTY(QString userCompany READ userCompany WRITE saveUserCompany NOTIFY userCompanyChanged)
    Q_PROPERTY(QString userFullName READ userFullName NOTIFY userFullNameChanged)
    Q_PROPERTY(int sortingParameter READ sortingParameter WRITE saveSortingParameter NOTIFY sortingParameterChanged)
    Q_PROPERTY(Qt::SortOrder sortingDirection READ sortingDirection WRITE saveSortingDirection NOTIFY sortingDirectionChanged)
    Q_PROPERTY(QString sortingName READ getSortingName NOTIFY sortingNameChanged)
    Q_PROPERTY(QString documentServerAddress READ documentServerAddress NOTIFY documentServerAddressChanged)
    Q_PROPERTY(int localSortingParameter READ localSortingParameter WRITE saveLocalSortingParameter NOTIFY localSortingParameterChanged)
    Q_PROPERTY(Qt::SortOrder localSortingDirection READ localSortingDirection WRITE saveLocalSortingDirection NOTIFY localSortingDirectionChanged)
    Q_PROPERTY(bool debugOut READ debugOut WRITE saveDebugOut NOTIFY debugOutChanged)

public:
    static const QString s_portalAddressKey;
    static const QString s_loginKey;
    static const QString s_passwordKey;
    static const QString s_accessTokenKey;
    static const QString s_refreshTokenKey;
    static const QString s_lastAuthorizationTimeKey;
    static const QString s_userIdKey;
    static const QString s_userEmailKey;
    static const QString s_userNameKey;
    static const QString s_userSurnameKey;
    static const QString s_userFirstNameKey;
    static const QString s_userMiddleNameKey;
    static const QString s_userCompanyKey;
    static const QString s_sortingParameterKey;
    static const QString s_sortingDirectionKey;
    static const QString s_localSortingParameterKey;
    static const QString s_localSortingDirectionKey;
    static const QString s_documentServerAddress;
    static const QString s_debugKey;

    explicit Settings(QObject *parent = nullptr);
    // An empty file name means the application's "appConfig.ini".
    explicit Settings(const QString &fileName, QObject *parent = nullptr);

    // The application's settings file in the writable configuration location.
    static QString defaultFilePath();
    static QString portalAddressKey();
    static QString authTokenKey();
    static QString debugOutKey();

    QString portalAddress() const;
    QString login() const;
    QString password() const;
    QString accessToken() const;
    QString refreshToken() const;
    QDateTime lastAuthorizationTime() const;
    int userId() const;
    QString userEmail() const;
    QString userName() const;
    QString userSurname() const;
    QString userFirstName() const;
    QString userMiddleName() const;
    QString userCompany() const;
    QString userFullName() const;
    int sortingParameter() const;
    Qt::SortOrder sortingDirection() const;
    QString getSortingName() const;
    QString documentServerAddress() const;
    int localSortingParameter() const;
    Qt::SortOrder localSortingDirection() const;
    bool debugOut() const;

    void saveValue(const QString &key, const QVariant &value);
    QVariant value(const QString &key) const;

    void clearUserSettings();
    void logOut();
    void saveDocumentServerAddress(const QString &address);

    Q_INVOKABLE void setSorting(int filterParam, Qt::SortOrder sortDirect);
    Q_INVOKABLE void setLocalSorting(int filterParam, Qt::SortOrder sortDirect);

public slots:
    void savePortalAddress(const QString &address);
    void saveLogin(const QString &login);
    void savePassword(const QString &password);
    void saveAccessToken(const QString &token);
    void saveRefreshToken(const QString &token);
    void saveLastAuthorizationTime(const QDateTime &time);
    void saveUserId(int id);
    void saveUserEmail(const QString &email);
    void saveUserName(const QString &name);
    void saveUserSurname(const QString &surname);
    void saveUserFirstName(const QString &firstName);
    void saveUserMiddleName(const QString &middleName);
    void saveUserCompany(const QString &company);
    void saveSortingParameter(int parameter);
    void saveSortingDirection(Qt::SortOrder direction);
    void saveLocalSortingParameter(int parameter);
    void saveLocalSortingDirection(Qt::SortOrder direction);
    void saveDebugOut(bool debugOut);

signals:
    void loginChanged();
    void passwordChanged();
    void accessTokenChanged();
    void refreshTokenChanged();
    void portalAddressChanged();
    void lastAuthorizationTimeChanged();
    void userIdChanged();
    void userEmailChanged();
    void userSurnameChanged();
    void userNameChanged();
    void userFirstNameChanged();
    void userMiddleNameChanged();
    void userCompanyChanged();
    void userFullNameChanged();
    void sortingParameterChanged();
    void sortingDirectionChanged();
    void sortingNameChanged();
    void documentServerAddressChanged();
    void localSortingParameterChanged();
    void localSortingDirectionChanged();
    void debugOutChanged();

private:
    int sortingFieldValue(const QString &key) const;
    Qt::SortOrder sortOrderValue(const QString &key) const;
    // Hands a change of the debug switch of the application's file to debugStatus().
    void announceDebugOut(bool debugOut) const;

    QSettings *m_settings;
};

// Single reads of the settings file for code on any thread.
QString getPortalAddress();
QString getAuthToken();
// The debug switch, asked for by every log message: read from the file once
// (once the application's names have fixed its path), then kept up to date by
// the Settings objects that change it.
bool debugStatus();
