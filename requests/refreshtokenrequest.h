#pragma once

#include "requests/requestinterface.h"

class QNetworkReply;

// Trades the current token pair for a new one.
class RefreshTokenRequest : public RequestInterface
{
    Q_OBJECT
public:
    RefreshTokenRequest(const QString &accessToken, const QString &refreshToken, const QString &portalAddress,
                        QObject *parent = nullptr);

protected:
    QVariantMap perform() override;

private:
    QVariantMap handleRefreshReply(QNetworkReply *reply) const;

    QString m_accessToken;
    QString m_refreshToken;
    // Kept for the caller's sake; the URL comes from the settings like every other.
    QString m_portalAddress;
};
