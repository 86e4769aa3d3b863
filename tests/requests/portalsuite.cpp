#include "portalsuite.h"

#include "requests/replytimeout.h"

#include <QJsonArray>
#include <QStringList>
#include <QtTest>

bool PortalSuite::start()
{
    ReplyTimeout::setInactivityTimeout(s_inactivityTimeoutMs);
    return m_simulator.start();
}

bool PortalSuite::prepare()
{
    if (!m_simulator.reset())
        return false;
    m_settings.savePortalAddress(m_simulator.baseUrl());
    const QString token = m_simulator.validAccessToken();
    m_settings.saveAccessToken(token);
    return !token.isEmpty() && m_simulator.clearRequests();
}

bool PortalSuite::tidyUp()
{
    ReplyTimeout::setInactivityTimeout(s_inactivityTimeoutMs);
    return m_simulator.clearFaults();
}

QVariantMap PortalSuite::run(RequestInterface *request)
{
    const QVariantMap result = m_runner.run(request);
    // Exactly one report, from its pool thread, to the test's thread.
    [&] {
        QCOMPARE(m_runner.emissions(), 1);
        QVERIFY(m_runner.emittingThread() != QThread::currentThread());
        QCOMPARE(m_runner.receivingThread(), QThread::currentThread());
    }();
    return result;
}

QString PortalSuite::keysAndTypesMismatch(const QVariantMap &result, const QString &keysAndTypes)
{
    QStringList expected;
    QStringList actual;
    for (auto it = result.cbegin(); it != result.cend(); ++it)
        actual << it.key() + QLatin1Char(':') + QString::fromLatin1(it.value().typeName());
    for (const QString &entry : keysAndTypes.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        expected << entry;
    expected.sort();
    return actual == expected ? QString()
                              : QStringLiteral("got %1, expected %2").arg(actual.join(' '), expected.join(' '));
}

QString PortalSuite::recordedMismatch(const QString &method, const QString &path, const QJsonObject &query)
{
    const QJsonArray requests = m_simulator.requests();
    if (requests.size() != 1)
        return QStringLiteral("%1 requests recorded").arg(requests.size());
    const QJsonObject recorded = requests.first().toObject();
    const QJsonObject expected{{"method", method}, {"path", path}, {"query", query},
                               {"authorization", m_settings.accessToken()}};
    const QJsonObject actual{
        {"method", recorded.value(QStringLiteral("method"))},
        {"path", recorded.value(QStringLiteral("path"))},
        {"query", recorded.value(QStringLiteral("query"))},
        {"authorization", recorded.value(QStringLiteral("headers")).toObject().value(QStringLiteral("authorization"))},
    };
    if (actual == expected)
        return QString();
    return QStringLiteral("got %1, expected %2")
        .arg(QString::fromUtf8(QJsonDocument(actual).toJson(QJsonDocument::Compact)),
             QString::fromUtf8(QJsonDocument(expected).toJson(QJsonDocument::Compact)));
}
