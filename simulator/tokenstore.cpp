#include "simulator/tokenstore.h"

#include <QRandomGenerator>

namespace {
QString randomToken(const char *prefix)
{
    QByteArray bytes(24, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
    return QString::fromLatin1(prefix) + QString::fromLatin1(bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}
} // namespace

TokenStore::Pair TokenStore::issue(int userId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return issueLocked(userId);
}

TokenStore::Pair TokenStore::issueLocked(int userId)
{
    Pair pair{randomToken("at-"), randomToken("rt-")};
    m_access.insert(pair.accessToken, Access{userId, QDateTime::currentDateTimeUtc().addSecs(m_lifetimeSeconds)});
    m_refresh.insert(pair.refreshToken, userId);
    return pair;
}

int TokenStore::userForAccessToken(const QString &token) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_access.constFind(token);
    if (it == m_access.constEnd() || it->expires <= QDateTime::currentDateTimeUtc())
        return 0;
    return it->userId;
}

int TokenStore::redeemRefreshToken(const QString &refreshToken, Pair *pair)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const int userId = m_refresh.take(refreshToken);
    if (userId != 0)
        *pair = issueLocked(userId);
    return userId;
}

void TokenStore::expireAccessTokens()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const QDateTime past = QDateTime::currentDateTimeUtc().addSecs(-1);
    for (Access &access : m_access)
        access.expires = past;
}

void TokenStore::expireRefreshTokens()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_refresh.clear();
}

void TokenStore::setLifetimeSeconds(int seconds)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lifetimeSeconds = qMax(1, seconds);
}

int TokenStore::lifetimeSeconds() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lifetimeSeconds;
}

void TokenStore::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_access.clear();
    m_refresh.clear();
}
