#include "webenginesetup.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QQuickWebEngineProfile>
#include <QRegularExpression>
#include <QtWebEngine>

#include <unistd.h>

namespace WebEngineSetup {

void initialize()
{
    // The engine cannot sandbox its helper processes for root and would end
    // the whole application instead.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QtWebEngine::initialize();
}

QString userAgentOf(const QString &preferencesFile)
{
    QFile file(preferencesFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning() << "Cannot read the web settings" << preferencesFile << file.errorString();
        return QString();
    }
    static const QRegularExpression userAgent(
        QString::fromLatin1(R"re(user_pref\(\s*"general\.useragent\.override"\s*,\s*"([^"]*)"\s*\)\s*;)re"));
    return userAgent.match(QString::fromUtf8(file.readAll())).captured(1);
}

void applyUserPreferences(QQuickWebEngineProfile *profile)
{
    const QString userAgent = userAgentOf(QStringLiteral(":/webSettings/user.js"));
    if (userAgent.isEmpty())
        return;
    qInfo() << "Web user agent" << userAgent;
    profile->setHttpUserAgent(userAgent);
}

} // namespace WebEngineSetup
