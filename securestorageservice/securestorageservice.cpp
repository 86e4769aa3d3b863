#include "securestorageservice/securestorageservice.h"

#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QDebug>
#include <QDir>

#include <pwd.h>

SecureStorageService::SecureStorageService(const Options &options, QObject *parent)
    : QObject(parent)
    , m_options(options)
{
}

SecureStorageService::~SecureStorageService()
{
    for (const auto &entry : m_containers) {
        QString message;
        if (!entry.second->close(&message))
            qWarning().noquote() << "Cannot close the container of user" << entry.first << ":" << message;
    }
}

GocryptfsContainer *SecureStorageService::callersContainer()
{
    if (!m_options.unusableReason.isEmpty()) {
        sendErrorReply(QDBusError::Failed, QStringLiteral("FUSE is not usable: %1").arg(m_options.unusableReason));
        return nullptr;
    }
    const QDBusReply<uint> uidReply = connection().interface()->serviceUid(message().service());
    if (!uidReply.isValid()) {
        sendErrorReply(QDBusError::Failed, uidReply.error().message());
        return nullptr;
    }
    const uint uid = uidReply.value();
    if (!m_options.allowedUids.isEmpty() && !m_options.allowedUids.contains(uid)) {
        qWarning() << "Refused a call of user" << uid;
        sendErrorReply(QDBusError::InvalidArgs,
                       QStringLiteral("Invalid argument: user %1 may not use the secure storage").arg(uid));
        return nullptr;
    }
    std::unique_ptr<GocryptfsContainer> &container = m_containers[uid];
    if (!container) {
        const passwd *account = ::getpwuid(uid);
        const GocryptfsContainer::Owner owner{uid, account ? uint(account->pw_gid) : uid};
        const QString directory = QDir(m_options.dataDirectory).filePath(QString::number(uid));
        container = std::make_unique<GocryptfsContainer>(directory, m_options.scryptLogN, owner);
    }
    return container.get();
}

bool SecureStorageService::Exists()
{
    GocryptfsContainer *container = callersContainer();
    return container && container->exists();
}

int SecureStorageService::Open(const QString &password, QString &pathOrMessage)
{
    GocryptfsContainer *container = callersContainer();
    if (!container)
        return SecureStorageBus::Failed;
    const SecureStorageBus::Code code = container->open(password, &pathOrMessage);
    qInfo().noquote() << "Open ended with" << code << pathOrMessage;
    return code;
}

int SecureStorageService::Create(const QString &password)
{
    GocryptfsContainer *container = callersContainer();
    if (!container)
        return SecureStorageBus::Failed;
    QString message;
    const SecureStorageBus::Code code = container->create(password, &message);
    qInfo().noquote() << "Create ended with" << code << message;
    return code;
}

void SecureStorageService::Close()
{
    GocryptfsContainer *container = callersContainer();
    QString message;
    if (container && !container->close(&message)) {
        qWarning().noquote() << "Close failed:" << message;
        sendErrorReply(QDBusError::Failed, message);
    }
}

int SecureStorageService::Delete()
{
    GocryptfsContainer *container = callersContainer();
    if (!container)
        return SecureStorageBus::Failed;
    QString message;
    const SecureStorageBus::Code code = container->remove(&message);
    qInfo().noquote() << "Delete ended with" << code << message;
    return code;
}
