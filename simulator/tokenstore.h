#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>

#include <mutex>

// Access and refresh tokens issued by sign-in and refresh. An access token
// lives for the token lifetime; a refresh token until it is used once.
class TokenStore
{
public:
    struct Pair
    {
        QString accessToken;
        QString refreshToken;
    };

    Pair issue(int userId);
    // The user of a valid access token, or 0 (missing, unknown or expired).
    int userForAccessToken(const QString &token) const;
    // Trades a refresh token for a new pair; 0 when the token is not valid.
    int redeemRefreshToken(const QString &refreshToken, Pair *pair);
    void expireAccessTokens();
    void expireRefreshTokens();
    void setLifetimeSeconds(int seconds);
    int lifetimeSeconds() const;
    void clear();

private:
    struct Access
    {
        int userId = 0;
        QDateTime expires;
    };
    Pair issueLocked(int userId);

    mutable std::mutex m_mutex;
    QHash<QString, Access> m_access;
    QHash<QString, int> m_refresh;
    int m_lifetimeSeconds = 3600;
};
