#include "settings.h"

#include "models/sortingoptions.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSettings>
#include <QStandardPaths>

#include <atomic>

const QString Settings::s_portalAddressKey = QStringLiteral("portal_address");
const QString Settings::s_loginKey = QStringLiteral("login");
const QString Settings::s_passwordKey = QStringLiteral("password");
const QString Settings::s_accessTokenKey = QStringLiteral("access_token");
const QString Settings::s_refreshTokenKey = QStringLiteral("refresh_token");
const QString Settings::s_lastAuthorizationTimeKey = QStringLiteral("last_authorization_time");
const QString Settings::s_userIdKey = QStringLiteral("user_id");
const QString Settings::s_userEmailKey = QStringLiteral("user_email");
const QString Settings::s_userNameKey = QStringLiteral("user_name");
const QString Settings::s_userSurnameKey = QStringLiteral("user_surname");
const QString Settings::s_userFirstNameKey = QStringLiteral("user_first_name");
const QString Settings::s_userMiddleNameKey = QStringLiteral("user_middle_name");
const QString Settings::s_userCompanyKey = QStringLiteral("user_company");
const QString Settings::s_sortingParameterKey = QStringLiteral("filter_param");
const QString Settings::s_sortingDirectionKey = QStringLiteral("sort_direct");
const QString Settings::s_localSortingParameterKey = QStringLiteral("local_filter_param");
const QString Settings::s_localSortingDirectionKey = QStringLiteral("local_sort_direct");
const QString Settings::s_documentServerAddress = QStringLiteral("document_server_address");
const QString Settings::s_debugKey = QStringLiteral("debug_out_state");

namespace {

// -1 until the file has been read.
std::atomic<int> s_debugStatus{-1};

QString readSingleValue(const QString &key)
{
    QSettings settings(Settings::defaultFilePath(), QSettings::IniFormat);
    return settings.value(key, QString()).toString();
}

QByteArray encodePassword(const QString &password)
{
    return password.toUtf8().toBase64().toHex();
}

QString decodePassword(const QByteArray &stored)
{
    const QByteArray bytes = QByteArray::fromBase64(QByteArray::fromHex(stored));
    const int end = bytes.indexOf('\0');
    return QString::fromUtf8(end < 0 ? bytes : bytes.left(end));
}

} // namespace

Settings::Settings(QObject *parent)
    : Settings(QString(), parent)
{
}

Settings::Settings(const QString &fileName, QObject *parent)
    : QObject(parent)
    , m_settings(new QSettings(fileName.isEmpty() ? defaultFilePath() : fileName, QSettings::IniFormat, this))
{
}

QString Settings::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/appConfig.ini");
}

QString Settings::portalAddressKey() { return s_portalAddressKey; }
QString Settings::authTokenKey() { return s_accessTokenKey; }
QString Settings::debugOutKey() { return s_debugKey; }

void Settings::saveValue(const QString &key, const QVariant &value)
{
    m_settings->setValue(key, value);
    m_settings->sync();
}

QVariant Settings::value(const QString &key) const
{
    m_settings->sync();
    return m_settings->value(key, QString());
}

int Settings::sortingFieldValue(const QString &key) const
{
    const int stored = value(key).toInt();
    return stored == SortingOptions::None ? SortingOptions::Name : stored;
}

Qt::SortOrder Settings::sortOrderValue(const QString &key) const
{
    return value(key).toInt() != 0 ? Qt::DescendingOrder : Qt::AscendingOrder;
}

QString Settings::portalAddress() const { return value(s_portalAddressKey).toString(); }
QString Settings::login() const { return value(s_loginKey).toString(); }
QString Settings::password() const { return decodePassword(value(s_passwordKey).toByteArray()); }
QString Settings::accessToken() const { return value(s_accessTokenKey).toString(); }
QString Settings::refreshToken() const { return value(s_refreshTokenKey).toString(); }
QDateTime Settings::lastAuthorizationTime() const { return value(s_lastAuthorizationTimeKey).toDateTime(); }
int Settings::userId() const { return value(s_userIdKey).toInt(); }
QString Settings::userEmail() const { return value(s_userEmailKey).toString(); }
QString Settings::userName() const { return value(s_userNameKey).toString(); }
QString Settings::userSurname() const { return value(s_userSurnameKey).toString(); }
QString Settings::userFirstName() const { return value(s_userFirstNameKey).toString(); }
QString Settings::userMiddleName() const { return value(s_userMiddleNameKey).toString(); }
QString Settings::userCompany() const { return value(s_userCompanyKey).toString(); }
QString Settings::userFullName() const { return QStringLiteral("%1 %2").arg(userFirstName(), userSurname()); }
int Settings::sortingParameter() const { return sortingFieldValue(s_sortingParameterKey); }
Qt::SortOrder Settings::sortingDirection() const { return sortOrderValue(s_sortingDirectionKey); }
QString Settings::getSortingName() const { return SortingOptions::sortingOptionsToString(sortingParameter()); }
QString Settings::documentServerAddress() const { return value(s_documentServerAddress).toString(); }
int Settings::localSortingParameter() const { return sortingFieldValue(s_localSortingParameterKey); }
Qt::SortOrder Settings::localSortingDirection() const { return sortOrderValue(s_localSortingDirectionKey); }
bool Settings::debugOut() const { return value(s_debugKey).toBool(); }

void Settings::savePortalAddress(const QString &address)
{
    saveValue(s_portalAddressKey, address);
    emit portalAddressChanged();
}

void Settings::saveLogin(const QString &login)
{
    saveValue(s_loginKey, login);
    emit loginChanged();
}

void Settings::savePassword(const QString &password)
{
    saveValue(s_passwordKey, encodePassword(password));
    emit passwordChanged();
}

void Settings::saveAccessToken(const QString &token)
{
    saveValue(s_accessTokenKey, token);
    emit accessTokenChanged();
}

void Settings::saveRefreshToken(const QString &token)
{
    saveValue(s_refreshTokenKey, token);
    emit refreshTokenChanged();
}

void Settings::saveLastAuthorizationTime(const QDateTime &time)
{
    saveValue(s_lastAuthorizationTimeKey, time);
    emit lastAuthorizationTimeChanged();
}

void Settings::saveUserId(int id)
{
    saveValue(s_userIdKey, id);
    emit userIdChanged();
}

void Settings::saveUserEmail(const QString &email)
{
    saveValue(s_userEmailKey, email);
    emit userEmailChanged();
}

void Settings::saveUserName(const QString &name)
{
    saveValue(s_userNameKey, name);
    emit userNameChanged();
}

void Settings::saveUserSurname(const QString &surname)
{
    saveValue(s_userSurnameKey, surname);
    emit userSurnameChanged();
    emit userFullNameChanged();
}

void Settings::saveUserFirstName(const QString &firstName)
{
    saveValue(s_userFirstNameKey, firstName);
    emit userFirstNameChanged();
    emit userFullNameChanged();
}

void Settings::saveUserMiddleName(const QString &middleName)
{
    saveValue(s_userMiddleNameKey, middleName);
    emit userMiddleNameChanged();
}

void Settings::saveUserCompany(const QString &company)
{
    saveValue(s_userCompanyKey, company);
    emit userCompanyChanged();
}

void Settings::saveSortingParameter(int parameter)
{
    saveValue(s_sortingParameterKey, parameter);
    emit sortingParameterChanged();
    emit sortingNameChanged();
}

void Settings::saveSortingDirection(Qt::SortOrder direction)
{
    saveValue(s_sortingDirectionKey, int(direction));
    emit sortingDirectionChanged();
}

void Settings::saveLocalSortingParameter(int parameter)
{
    saveValue(s_localSortingParameterKey, parameter);
    emit localSortingParameterChanged();
}

void Settings::saveLocalSortingDirection(Qt::SortOrder direction)
{
    saveValue(s_localSortingDirectionKey, int(direction));
    emit localSortingDirectionChanged();
}

void Settings::saveDocumentServerAddress(const QString &address)
{
    saveValue(s_documentServerAddress, address);
    emit documentServerAddressChanged();
}

void Settings::saveDebugOut(bool debugOut)
{
    saveValue(s_debugKey, debugOut);
    announceDebugOut(debugOut);
    emit debugOutChanged();
}

void Settings::announceDebugOut(bool debugOut) const
{
    if (m_settings->fileName() == defaultFilePath())
        s_debugStatus.store(debugOut ? 1 : 0);
}

void Settings::setSorting(int filterParam, Qt::SortOrder sortDirect)
{
    saveSortingParameter(filterParam);
    saveSortingDirection(sortDirect);
}

void Settings::setLocalSorting(int filterParam, Qt::SortOrder sortDirect)
{
    saveLocalSortingParameter(filterParam);
    saveLocalSortingDirection(sortDirect);
}

void Settings::clearUserSettings()
{
    for (const QString &key : {s_accessTokenKey, s_refreshTokenKey, s_userIdKey, s_userEmailKey, s_userNameKey,
                               s_userSurnameKey, s_userFirstNameKey, s_userMiddleNameKey, s_userCompanyKey,
                               s_sortingParameterKey, s_sortingDirectionKey, s_localSortingParameterKey,
                               s_localSortingDirectionKey, s_debugKey})
        m_settings->remove(key);
    m_settings->sync();
    emit accessTokenChanged();
    emit refreshTokenChanged();
    emit userIdChanged();
    emit userEmailChanged();
    emit userNameChanged();
    emit userSurnameChanged();
    emit userFirstNameChanged();
    emit userMiddleNameChanged();
    emit userCompanyChanged();
    emit userFullNameChanged();
    emit sortingParameterChanged();
    emit sortingDirectionChanged();
    emit sortingNameChanged();
    emit localSortingParameterChanged();
    emit localSortingDirectionChanged();
    announceDebugOut(false);
    emit debugOutChanged();
}

void Settings::logOut()
{
    m_settings->remove(s_passwordKey);
    m_settings->sync();
    clearUserSettings();
    emit passwordChanged();
}

QString getPortalAddress()
{
    const QString address = readSingleValue(Settings::s_portalAddressKey);
    qInfo() << "Address:" << address << ":" << Settings::s_portalAddressKey << Settings::defaultFilePath();
    return address;
}

QString getAuthToken()
{
    const QString token = readSingleValue(Settings::s_accessTokenKey);
    // The token itself never goes into the log.
    qInfo() << "Token:" << (token.isEmpty() ? "not set" : "set") << Settings::defaultFilePath();
    return token;
}

bool debugStatus()
{
    const int known = s_debugStatus.load();
    if (known >= 0)
        return known == 1;
    QSettings settings(Settings::defaultFilePath(), QSettings::IniFormat);
    const bool debugOut = settings.value(Settings::s_debugKey, false).toBool();
    // Before the names are set the path is not the application's yet.
    if (!QCoreApplication::organizationName().isEmpty()) {
        int unread = -1;
        s_debugStatus.compare_exchange_strong(unread, debugOut ? 1 : 0);
    }
    return debugOut;
}
