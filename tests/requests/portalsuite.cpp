#include "portalsuite.h"

#include "requests/replytimeout.h"
#include "requests/requestinterface.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QJsonArray>
#include <QStringList>
#include <QThreadPool>
#include <QtTest>

QVariantMap RequestRunner::run(RequestInterface *request, int timeoutMs)
{
    m_emissions.storeRelaxed(0);
    m_thread.storeRelaxed(nullptr);
    m_receivingThread = nullptr;
    m_result.clear();
    connect(
        request, &RequestInterface::requestFinished, request,
        [this] {
            m_emissions.ref();
            m_thread.storeRelaxed(QThread::currentThread());
        },
        Qt::DirectConnection);
    connect(request, &RequestInterface::requestFinished, this, [this](const QVariantMap &result) {
        m_receivingThread = QThread::currentThread();
        m_result = result;
    });

    QThreadPool *pool = QThreadPool::globalInstance();
    pool->start(request);
    // The test's thread keeps turning: loopback servers of the test live on it.
    const QDeadlineTimer deadline(timeoutMs);
    while (pool->activeThreadCount() > 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    // Deliver whatever the run queued before it ended.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    return m_result;
}

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
    QStringList actual;
    for (auto it = result.cbegin(); it != result.cend(); ++it)
        actual << it.key() + QLatin1Char(':') + QString::fromLatin1(it.value().typeName());
    QStringList expected = keysAndTypes.split(QLatin1Char(' '), Qt::SkipEmptyParts);
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
    const QString token = m_settings.accessToken();
    // An undefined value leaves the key out.
    const QJsonObject expected{{"method", method}, {"path", path}, {"query", query},
                               {"authorization", token.isEmpty() ? QJsonValue(QJsonValue::Undefined) : token}};
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

namespace PortalFaults {

QList<FaultClass> all()
{
    return {
        {"portal error",
         {{"status", 500}, {"body", QJsonObject{{"ErrorMessage", "Storage is full"}}}},
         QStringLiteral("Storage is full. Error 500.")},
        {"expired token", {{"expire", true}}, QStringLiteral("Authorization error:\nIncorrect login and/or password. Error 401.")},
        {"malformed JSON", {{"mode", "malformed"}}, RequestInterface::unreadableAnswerText()},
        {"dropped connection", {{"mode", "drop"}}, QStringLiteral("The portal closed the connection.")},
        {"truncated reply", {{"mode", "truncated"}}, QStringLiteral("The portal closed the connection.")},
        {"hang", {{"mode", "hang"}}, QStringLiteral("The connection to the portal timed out.")},
    };
}

QString plantedSecret()
{
    return QStringLiteral("s3cr3t");
}

QList<QJsonValue> secretAnswers()
{
    int count = 0;
    const auto planted = [&count] { return plantedSecret() + QLatin1Char('-') + QString::number(++count); };
    const QJsonObject tokens{{"AuthToken", planted()}, {"RefreshToken", planted()}};
    const QJsonObject user{{"Id", 1}, {"UserPassword", planted()}};
    const QJsonObject object{
        {"Status", 200},
        {"TaskId", 7},
        {"Token", planted()},
        {"Password", planted()},
        {"Jwt", planted()},
        {"Response", QJsonObject{{"Data", QJsonObject{{"Tokens", tokens}, {"User", user}}}}},
        {"Link", QJsonObject{{"Payload", QJsonObject{{"token", planted()}, {"type", "mobile"}}}}},
        {"Items", QJsonArray{QJsonObject{{"Id", 1}, {"Name", "a"}, {"access_token", planted()}}}},
        {"Directory", QJsonObject{{"Items", QJsonArray{QJsonObject{{"Id", 2}, {"refresh_token", planted()}}}}}},
        {"Document", QJsonObject{{"Items", QJsonArray{QJsonObject{{"Id", 3}, {"Authorization", planted()}}}}}},
        {"DocumentServer", QJsonObject{{"Url", "http://127.0.0.1:1"}, {"Token", planted()}}},
    };
    const QJsonArray array{QJsonObject{{"Id", 4}, {"OwnerId", 1}, {"Name", "b"}, {"Jwt", planted()},
                                       {"Children", QJsonArray{QJsonObject{{"Id", 5}, {"Password", planted()}}}}}};
    return {object, array};
}

bool provoke(SimulatorProcess &simulator, QJsonObject fault, const QString &method, const QString &path)
{
    if (fault.contains(QStringLiteral("expire")))
        return simulator.expireTokens();
    fault.insert(QStringLiteral("method"), method);
    return simulator.setFault(path, fault);
}

} // namespace PortalFaults
