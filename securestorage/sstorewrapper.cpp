#include "securestorage/sstorewrapper.h"

#include "securestorage/securestoragebus.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDebug>

namespace {
constexpr quint8 s_notAsked = 15;

const char *const s_statusTexts[] = {
    QT_TRANSLATE_NOOP("SecureStorage", "Storage ready"),
    QT_TRANSLATE_NOOP("SecureStorage", "Permission error"),
    QT_TRANSLATE_NOOP("SecureStorage", "SSTORE not install"),
    QT_TRANSLATE_NOOP("SecureStorage", "Unexpected error"),
};

QString errorText(const QDBusMessage &reply)
{
    return reply.errorName() + QStringLiteral(": ") + reply.errorMessage();
}
} // namespace

SecureStorage::SecureStorage(QObject *parent)
    : QObject(parent)
{
}

QString SecureStorage::documentsSuffix()
{
    return QStringLiteral("/documents");
}

QString SecureStorage::trashSuffix()
{
    return QStringLiteral("/trash");
}

QString SecureStorage::statusToString(int status)
{
    if (status < 0 || status >= int(std::size(s_statusTexts)))
        return QString();
    return QCoreApplication::translate("SecureStorage", s_statusTexts[status]);
}

QDBusMessage SecureStorage::call(const QString &method, const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        QString::fromLatin1(SecureStorageBus::s_serviceName), QString::fromLatin1(SecureStorageBus::s_objectPath),
        QString::fromLatin1(SecureStorageBus::s_interfaceName), method);
    message.setArguments(arguments);
    return QDBusConnection::systemBus().call(message, QDBus::Block);
}

int SecureStorage::sstoreStatus() const
{
    return statusOf(call(QStringLiteral("Exists")));
}

int SecureStorage::statusOf(const QDBusMessage &reply)
{
    if (reply.type() != QDBusMessage::ErrorMessage) {
        qInfo() << "SStore request with no errors";
        return Ready;
    }
    const QString error = errorText(reply);
    if (error.contains(QLatin1String("was not provided by any"))) {
        qWarning() << "SStore error: not installed";
        return NotInstalled;
    }
    if (error.contains(QLatin1String("Invalid argument"))) {
        qWarning() << "SStore error: you have not permmissions";
        return PermissionError;
    }
    qWarning().noquote() << "SStore error: unexpected error" << error;
    return UnexpectedError;
}

bool SecureStorage::exists() const
{
    // The status question is this very call: one round trip answers both.
    const QDBusMessage reply = call(QStringLiteral("Exists"));
    if (statusOf(reply) != Ready) {
        qWarning() << "Error: dbus service unavailable";
        return false;
    }
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        qWarning() << "Error check exists";
        return false;
    }
    const bool exists = reply.arguments().constFirst().toBool();
    qInfo() << "Storage is" << (exists ? "exists" : "not exists");
    return exists;
}

bool SecureStorage::create(const QString &password) const
{
    if (password.isEmpty()) {
        qInfo() << "Error: empty password";
        return false;
    }
    const QDBusMessage reply = call(QStringLiteral("Create"), {password});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        qWarning() << "Error create storage";
        return false;
    }
    const int code = reply.arguments().constFirst().toInt();
    qInfo() << "Create query end with" << code;
    return code == SecureStorageBus::Done;
}

quint8 SecureStorage::open(const QString &password)
{
    const QDBusMessage reply = call(QStringLiteral("Open"), {password});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 2) {
        qWarning() << "Error open storage";
        return s_notAsked;
    }
    const int code = reply.arguments().at(0).toInt();
    const QString pathOrMessage = reply.arguments().at(1).toString();
    if (code != SecureStorageBus::Done) {
        qWarning().noquote() << "Error open storage" << pathOrMessage;
    } else {
        m_path = pathOrMessage;
        qInfo().noquote() << "Storage open with" << m_path;
    }
    return quint8(code);
}

bool SecureStorage::close() const
{
    const QDBusMessage reply = call(QStringLiteral("Close"));
    if (reply.type() == QDBusMessage::ReplyMessage)
        return true;
    qWarning().noquote() << "Error close storage" << errorText(reply);
    return false;
}

bool SecureStorage::deleteStorage() const
{
    const QDBusMessage reply = call(QStringLiteral("Delete"));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        qWarning() << "Error delete storage";
        return false;
    }
    const int code = reply.arguments().constFirst().toInt();
    qInfo() << "Delete query end with" << code;
    return code == SecureStorageBus::Done;
}
