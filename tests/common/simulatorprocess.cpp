#include "simulatorprocess.h"

#include "testenvironment.h"

#include <QDeadlineTimer>
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

SimulatorProcess::SimulatorProcess() = default;

SimulatorProcess::~SimulatorProcess()
{
    stop();
}

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
                    QStringList{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--data"),
                                m_directory->filePath(QStringLiteral("data"))}
                        + extraArguments);
    if (!m_process.waitForStarted(s_startTimeoutMs)) {
        qWarning("simulator did not start: %s", qPrintable(m_process.errorString()));
        return false;
    }
    QByteArray output;
    const QDeadlineTimer deadline(s_startTimeoutMs);
    while (!output.contains('\n') && !deadline.hasExpired() && m_process.state() == QProcess::Running) {
        m_process.waitForReadyRead(static_cast<int>(qMax<qint64>(1, deadline.remainingTime())));
        output += m_process.readAllStandardOutput();
    }
    const QByteArray line = output.left(output.indexOf('\n')).trimmed();
    if (!line.startsWith(s_listening)) {
        qWarning("simulator did not report its port: %s %s", line.constData(), serverLog().constData());
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
    m_process.terminate();
    if (!m_process.waitForFinished(s_startTimeoutMs)) {
        qWarning("simulator ignored SIGTERM; killing it");
        m_process.kill();
        m_process.waitForFinished();
    }
    m_exitedCleanly = m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
}

bool SimulatorProcess::isRunning() const
{
    return m_process.state() == QProcess::Running;
}

QString SimulatorProcess::baseUrl() const
{
    return QStringLiteral("%1://127.0.0.1:%2").arg(m_secure ? QStringLiteral("https") : QStringLiteral("http")).arg(m_port);
}

QString SimulatorProcess::dataDirectory() const
{
    return m_directory ? m_directory->filePath(QStringLiteral("data")) : QString();
}

QByteArray SimulatorProcess::serverLog() const
{
    if (!m_directory)
        return QByteArray();
    QFile file(m_directory->filePath(QStringLiteral("simulator.log")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

namespace {
bool succeeded(const QJsonObject &reply)
{
    return reply.value(QStringLiteral("ok")).toBool();
}

// A POST to one of the control endpoints.
bool post(SimulatorProcess *simulator, const char *name, const QJsonObject &body = {})
{
    return succeeded(simulator->control("POST", QStringLiteral("/__control/") + QLatin1String(name), body));
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
    if (!reply->isFinished()) {
        reply->abort();
        reply->deleteLater();
        return failure(QStringLiteral("the control call timed out"));
    }
    const QJsonDocument document = QJsonDocument::fromJson(reply->readAll());
    const QString error = reply->errorString();
    const bool transportFailed = reply->error() != QNetworkReply::NoError && !document.isObject();
    reply->deleteLater();
    if (transportFailed)
        return failure(error);
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
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                   QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"),
                   QStringLiteral("-nodes"), QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
                   QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1"),
                   QStringLiteral("-keyout"), *keyFile, QStringLiteral("-out"), *certificateFile});
    return openssl.waitForFinished(60000) && openssl.exitStatus() == QProcess::NormalExit && openssl.exitCode() == 0
        && QFile::exists(*certificateFile) && QFile::exists(*keyFile);
}
