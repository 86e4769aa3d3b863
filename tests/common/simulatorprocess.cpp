#include "simulatorprocess.h"

#include "testenvironment.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

const QString SimulatorProcess::s_demoLogin = QStringLiteral("demo@vellix.local");
const QString SimulatorProcess::s_demoPassword = QStringLiteral("demo");

namespace {
constexpr int s_startTimeoutMs = 15000;
constexpr int s_callTimeoutMs = 10000;
const QByteArray s_listening = "listening on ";
} // namespace

bool SimulatorProcess::start(const QStringList &extraArguments)
{
    stop();
    m_directory = std::make_unique<QTemporaryDir>();
    if (!m_directory->isValid())
        return false;
    m_secure = extraArguments.contains(QStringLiteral("--cert"));
    m_exitedCleanly = false;
    m_port = 0;
    m_process.setStandardErrorFile(m_directory->filePath(QStringLiteral("simulator.log")));
    m_process.start(TestEnvironment::binDirectory() + QStringLiteral("/vellix-portal-simulator"),
                    QStringList{"--port", "0", "--data", m_directory->filePath(QStringLiteral("data"))} + extraArguments);
    const QByteArray output = TestEnvironment::readOutputUntil(m_process, "\n", s_startTimeoutMs);
    const QByteArray line = output.left(output.indexOf('\n')).trimmed();
    if (!line.startsWith(s_listening)) {
        qWarning("simulator did not report its port: %s %s %s", qPrintable(m_process.errorString()), line.constData(),
                 TestEnvironment::readFile(m_directory->filePath(QStringLiteral("simulator.log"))).constData());
        stop();
        return false;
    }
    m_port = static_cast<quint16>(line.mid(s_listening.size()).toUInt());
    return m_port != 0;
}

void SimulatorProcess::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    TestEnvironment::endProcess(m_process, s_startTimeoutMs);
    m_exitedCleanly = m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
}

QString SimulatorProcess::baseUrl() const
{
    return QStringLiteral("%1://127.0.0.1:%2").arg(m_secure ? QStringLiteral("https") : QStringLiteral("http")).arg(m_port);
}

QString SimulatorProcess::dataDirectory() const
{
    return m_directory ? m_directory->filePath(QStringLiteral("data")) : QString();
}

namespace {
// A POST to one of the control endpoints.
bool post(SimulatorProcess *simulator, const char *name, const QJsonObject &body = {})
{
    return simulator->control("POST", QStringLiteral("/__control/") + QLatin1String(name), body).value(QStringLiteral("ok")).toBool();
}
} // namespace

bool SimulatorProcess::setFault(const QString &path, const QJsonObject &fault)
{
    QJsonObject body = fault;
    body.insert(QStringLiteral("path"), path);
    return post(this, "fault", body);
}

bool SimulatorProcess::clearFaults() { return post(this, "clear"); }
bool SimulatorProcess::releaseHeld() { return post(this, "release"); }
bool SimulatorProcess::reset() { return post(this, "reset"); }
bool SimulatorProcess::expireTokens() { return post(this, "expire-tokens"); }
bool SimulatorProcess::setTaskSteps(int steps) { return post(this, "tasks", {{QStringLiteral("steps"), steps}}); }
bool SimulatorProcess::failNextTasks(int count) { return post(this, "tasks", {{QStringLiteral("failNext"), count}}); }
bool SimulatorProcess::clearRequests() { return post(this, "clear-requests"); }

QJsonArray SimulatorProcess::requests()
{
    return control("GET", QStringLiteral("/__control/requests")).value(QStringLiteral("requests")).toArray();
}

QJsonObject SimulatorProcess::state()
{
    return control("GET", QStringLiteral("/__control/state"));
}

QJsonObject SimulatorProcess::control(const QByteArray &method, const QString &path, const QJsonObject &body)
{
    const auto failure = [](const QString &message) {
        return QJsonObject{{QStringLiteral("ok"), false}, {QStringLiteral("error"), message}};
    };
    if (m_port == 0)
        return failure(QStringLiteral("the simulator is not running"));
    QNetworkAccessManager manager;
    QNetworkRequest request(QUrl(baseUrl() + path));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    const QByteArray payload = body.isEmpty() && method == "GET" ? QByteArray() : QJsonDocument(body).toJson(QJsonDocument::Compact);
    QNetworkReply *reply = manager.sendCustomRequest(request, method, payload);
    QObject::connect(reply, &QNetworkReply::sslErrors, reply, [reply] { reply->ignoreSslErrors(); });
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(s_callTimeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    // The manager takes its reply with it, finished or not.
    if (!reply->isFinished())
        return failure(QStringLiteral("the control call timed out"));
    const QJsonDocument document = QJsonDocument::fromJson(reply->readAll());
    if (reply->error() != QNetworkReply::NoError && !document.isObject())
        return failure(reply->errorString());
    return document.object();
}

QString SimulatorProcess::validAccessToken()
{
    const QJsonObject reply = control("POST", QStringLiteral("/api/v2/auth/login"),
                                      {{QStringLiteral("Login"), s_demoLogin}, {QStringLiteral("Password"), s_demoPassword}});
    return reply[QStringLiteral("Response")][QStringLiteral("Data")][QStringLiteral("Tokens")][QStringLiteral("AuthToken")].toString();
}

bool SimulatorProcess::makeCertificate(const QString &directory, QString *certificateFile, QString *keyFile)
{
    *certificateFile = QDir(directory).filePath(QStringLiteral("simulator.crt"));
    *keyFile = QDir(directory).filePath(QStringLiteral("simulator.key"));
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"), QStringLiteral("req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2 "
                                                            "-subj /CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1")
                                                 .split(' ')
                                                 + QStringList{QStringLiteral("-keyout"), *keyFile, QStringLiteral("-out"), *certificateFile});
    return openssl.waitForFinished(60000) && openssl.exitStatus() == QProcess::NormalExit && openssl.exitCode() == 0
        && QFile::exists(*certificateFile) && QFile::exists(*keyFile);
}
