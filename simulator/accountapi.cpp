#include "simulator/accountapi.h"

namespace {
ApiReply portalAnswer(int status, const QJsonValue &data, const QString &errorMessage = QString())
{
    QJsonObject object{{QStringLiteral("Status"), status},
                       {QStringLiteral("Response"), QJsonObject{{QStringLiteral("Data"), data}}}};
    if (!errorMessage.isEmpty())
        object.insert(QStringLiteral("ErrorMessage"), errorMessage);
    return ApiReply::json(object, status);
}
} // namespace

void AccountApi::addRoutes(Router *router)
{
    add(router, "POST", v2("auth/login"), Router::Access::Public, &AccountApi::login);
    add(router, "POST", v2("auth/refresh"), Router::Access::Public, &AccountApi::refresh);
    add(router, "POST", v2("auth/register"), Router::Access::Public, &AccountApi::registerUser);
    add(router, "POST", v2("auth/Forgot"), Router::Access::Public, &AccountApi::forgot);
    add(router, "GET", v1("Settings"), Router::Access::Public, &AccountApi::settings);
    add(router, "POST", v1("Support/Feedback"), Router::Access::Public, &AccountApi::feedback);
}

QJsonObject AccountApi::tokens(const TokenStore::Pair &pair)
{
    return QJsonObject{{QStringLiteral("AuthToken"), pair.accessToken}, {QStringLiteral("RefreshToken"), pair.refreshToken}};
}

ApiReply AccountApi::login(ApiRequest &request)
{
    const QJsonObject body = request.json().object();
    const QString login = body.value(QStringLiteral("Login")).toString();
    const QString password = body.value(QStringLiteral("Password")).toString();
    if (login.isEmpty() || password.isEmpty())
        return ApiReply::badRequest(QStringLiteral("Login and password are required"));
    const UserRecord *user = state().userByLogin(login);
    if (!user || user->password != password)
        return ApiReply::error(401, QStringLiteral("Incorrect login or password"));
    const TokenStore::Pair pair = m_context->tokens.issue(user->id);
    return portalAnswer(200, QJsonObject{{QStringLiteral("Tokens"), tokens(pair)},
                                         {QStringLiteral("User"), json(request).user(user->id)}});
}

ApiReply AccountApi::refresh(ApiRequest &request)
{
    const QJsonObject body = request.json().object();
    TokenStore::Pair pair;
    const int userId = m_context->tokens.redeemRefreshToken(body.value(QStringLiteral("RefreshToken")).toString(), &pair);
    if (userId == 0 || !state().users.contains(userId))
        return ApiReply::error(401, QStringLiteral("The refresh token is not valid"));
    return portalAnswer(200, QJsonObject{{QStringLiteral("Tokens"), tokens(pair)}});
}

ApiReply AccountApi::registerUser(ApiRequest &request)
{
    const QJsonObject body = request.json().object();
    UserRecord user;
    user.email = body.value(QStringLiteral("Email")).toString().trimmed();
    user.login = user.email;
    user.password = body.value(QStringLiteral("UserPassword")).toString();
    user.firstName = body.value(QStringLiteral("FirstName")).toString();
    user.surname = body.value(QStringLiteral("Surname")).toString();
    user.name = QStringLiteral("%1 %2").arg(user.firstName, user.surname).trimmed();
    if (user.email.isEmpty() || user.password.isEmpty())
        return ApiReply::badRequest(QStringLiteral("E-mail and password are required"));
    if (state().userByLogin(user.email))
        return ApiReply::error(409, QStringLiteral("User already exists"));
    const int userId = state().addUser(user);
    return portalAnswer(200, QJsonObject{{QStringLiteral("User"), json(request).user(userId)}});
}

ApiReply AccountApi::forgot(ApiRequest &request)
{
    const QString login = request.json().object().value(QStringLiteral("Login")).toString().trimmed();
    if (login.isEmpty())
        return portalAnswer(400, QStringLiteral("Login is empty"), QStringLiteral("Login is empty"));
    if (!state().userByLogin(login))
        return portalAnswer(404, QStringLiteral("User not found"), QStringLiteral("User not found"));
    return portalAnswer(200, QStringLiteral("A password recovery message has been sent"));
}

ApiReply AccountApi::settings(ApiRequest &request)
{
    return ApiReply::json(QJsonObject{{QStringLiteral("DocumentServer"), QJsonObject{{QStringLiteral("Url"), documentServerUrl(request)}}},
                                      {QStringLiteral("PortalName"), QStringLiteral("Vellix portal simulator")},
                                      {QStringLiteral("AllowRegistration"), true}});
}

ApiReply AccountApi::feedback(ApiRequest &request)
{
    const QJsonObject body = request.json().object();
    if (body.value(QStringLiteral("Text")).toString().trimmed().isEmpty())
        return ApiReply::badRequest(QStringLiteral("The feedback text is empty"));
    m_context->feedback.append(body);
    return ApiReply::plainTrue();
}
