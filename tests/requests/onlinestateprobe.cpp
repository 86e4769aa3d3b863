// Reports, as one JSON line, how this process sees the network: what the
// platform says, what requests decide, and whether a sign-in to a portal on
// loopback goes through. Run by tst_requestframe, also in a namespace that has
// nothing but loopback.
#include "cannedhttpserver.h"
#include "requestrunner.h"
#include "requests/authrequest.h"
#include "requests/onlinestate.h"
#include "settings/settings.h"
#include "testenvironment.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkConfigurationManager>
#include <cstdio>

int main(int argc, char *argv[])
{
    TestEnvironment::setUp();
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    CannedHttpServer portal;
    if (!portal.listen())
        return 2;
    portal.respond(CannedHttpServer::httpResponse(
        200, R"({"Status":200,"Response":{"Data":{"Tokens":{"AuthToken":"a","RefreshToken":"r"},"User":{"Id":1}}}})"));
    Settings().savePortalAddress(portal.baseUrl());

    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QNetworkConfigurationManager platform;
    const bool platformOnline = platform.isOnline();
    const int configurations = platform.allConfigurations().size();
    QT_WARNING_POP

    RequestRunner runner;
    const QVariantMap signIn = runner.run(new AuthRequest(QStringLiteral("demo"), QStringLiteral("demo")));
    const QJsonObject report{
        {QStringLiteral("platformOnline"), platformOnline},
        {QStringLiteral("configurations"), configurations},
        {QStringLiteral("loopbackPortalOnline"), OnlineState::isOnline()},
        {QStringLiteral("remotePortalOnline"), OnlineState::isOnline(QStringLiteral("https://portal.example.com"))},
        {QStringLiteral("signInSuccess"), signIn.value(QStringLiteral("success")).toBool()},
        {QStringLiteral("signInError"), signIn.value(QStringLiteral("error")).toString()},
    };
    std::printf("%s\n", QJsonDocument(report).toJson(QJsonDocument::Compact).constData());
    return 0;
}
