#include "securestorageservice/gocryptfscontainer.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {
// The default key derivation takes about a second; leave room for a slow machine.
constexpr int s_gocryptfsTimeoutMs = 120000;
// gocryptfs' exit codes.
constexpr int s_exitPasswordIncorrect = 12;
constexpr int s_exitPasswordEmpty = 22;

const QFileDevice::Permissions s_ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

// Mount points in /proc/self/mountinfo escape blanks and backslashes as octal.
QString unescapeMountPoint(const QByteArray &field)
{
    QByteArray path;
    for (int i = 0; i < field.size(); ++i) {
        if (field.at(i) == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                path.append(char(code));
                i += 3;
                continue;
            }
        }
        path.append(field.at(i));
    }
    return QFile::decodeName(path);
}

bool makePrivateDirectory(const QString &path)
{
    return QDir().mkpath(path) && QFile::setPermissions(path, s_ownerOnly);
}
} // namespace

GocryptfsContainer::GocryptfsContainer(const QString &directory, int scryptLogN, const Owner &owner)
    : m_cipherPath(QDir::cleanPath(directory + QStringLiteral("/cipher")))
    , m_mountPath(QDir::cleanPath(directory + QStringLiteral("/mount")))
    , m_logPath(QDir::cleanPath(directory + QStringLiteral("/gocryptfs.log")))
    , m_scryptLogN(scryptLogN)
    , m_owner(owner)
{
}

QString GocryptfsContainer::unusableReason(const QString &fuseDevice)
{
    for (const QString &tool : {QStringLiteral("gocryptfs"), QStringLiteral("fusermount3")}) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            return QStringLiteral("%1 is not installed").arg(tool);
    }
    const int descriptor = ::open(QFile::encodeName(fuseDevice).constData(), O_RDWR | O_CLOEXEC);
    if (descriptor < 0)
        return QStringLiteral("%1 cannot be opened: %2").arg(fuseDevice, QString::fromLocal8Bit(std::strerror(errno)));
    ::close(descriptor);
    return QString();
}

bool GocryptfsContainer::exists() const
{
    return QFile::exists(m_cipherPath + QStringLiteral("/gocryptfs.conf"));
}

bool GocryptfsContainer::isMounted() const
{
    // Read the table rather than the mount point: a dead FUSE mount fails every stat.
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    if (!table.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() > 4 && unescapeMountPoint(fields.at(4)) == m_mountPath)
            return true;
    }
    return false;
}

bool GocryptfsContainer::isUsablePassword(const QString &password)
{
    // gocryptfs reads one line: a line break would silently shorten the password.
    return !password.isEmpty() && !password.contains(QRegularExpression(QStringLiteral("[\\n\\r\\x00]")));
}

SecureStorageBus::Code GocryptfsContainer::create(const QString &password, QString *message)
{
    if (!isUsablePassword(password)) {
        *message = QStringLiteral("The password is empty or holds a line break");
        return SecureStorageBus::EmptyPassword;
    }
    if (exists()) {
        *message = QStringLiteral("The container exists already");
        return SecureStorageBus::AlreadyExists;
    }
    QDir(m_cipherPath).removeRecursively();
    if (!makePrivateDirectory(m_cipherPath)) {
        *message = QStringLiteral("Cannot create %1").arg(m_cipherPath);
        return SecureStorageBus::Failed;
    }
    QStringList arguments{QStringLiteral("-init"), QStringLiteral("-q"), QStringLiteral("-nosyslog")};
    if (m_scryptLogN > 0)
        arguments << QStringLiteral("-scryptn") << QString::number(m_scryptLogN);
    int exitCode = 0;
    if (!runGocryptfs(arguments << QStringLiteral("--") << m_cipherPath, password, &exitCode, message)
        || exitCode != 0) {
        QDir(m_cipherPath).removeRecursively();
        return SecureStorageBus::Failed;
    }
    *message = QString();
    return SecureStorageBus::Done;
}

SecureStorageBus::Code GocryptfsContainer::open(const QString &password, QString *message)
{
    if (!isUsablePassword(password)) {
        *message = QStringLiteral("The password is empty or holds a line break");
        return SecureStorageBus::EmptyPassword;
    }
    if (!exists()) {
        *message = QStringLiteral("No container");
        return SecureStorageBus::NoContainer;
    }
    if (isMounted()) {
        if (!m_openedWith.isEmpty()) {
            if (passwordCheck(password) != m_openedWith) {
                *message = QStringLiteral("Password incorrect");
                return SecureStorageBus::WrongPassword;
            }
            *message = m_mountPath;
            return SecureStorageBus::Done;
        }
        // Left behind by an earlier run: nobody here knows its password.
        if (!close(message))
            return SecureStorageBus::Failed;
    }
    if (!makePrivateDirectory(m_mountPath)) {
        *message = QStringLiteral("Cannot create %1").arg(m_mountPath);
        return SecureStorageBus::Failed;
    }
    QStringList arguments{QStringLiteral("-q"), QStringLiteral("-nosyslog")};
    if (m_owner.uid != ::geteuid()) {
        arguments << QStringLiteral("-allow_other") << QStringLiteral("-force_owner")
                  << QStringLiteral("%1:%2").arg(m_owner.uid).arg(m_owner.gid);
    }
    int exitCode = 0;
    if (!runGocryptfs(arguments << QStringLiteral("--") << m_cipherPath << m_mountPath, password, &exitCode, message))
        return SecureStorageBus::Failed;
    switch (exitCode) {
    case 0:
        m_salt.clear();
        for (int i = 0; i < 4; ++i) {
            const quint32 word = QRandomGenerator::system()->generate();
            m_salt.append(reinterpret_cast<const char *>(&word), sizeof word);
        }
        m_openedWith = passwordCheck(password);
        *message = m_mountPath;
        return SecureStorageBus::Done;
    case s_exitPasswordIncorrect:
        *message = QStringLiteral("Password incorrect");
        return SecureStorageBus::WrongPassword;
    case s_exitPasswordEmpty:
        return SecureStorageBus::EmptyPassword;
    default:
        return SecureStorageBus::Failed;
    }
}

bool GocryptfsContainer::close(QString *message)
{
    m_openedWith.clear();
    if (!isMounted())
        return true;
    QProcess fusermount;
    fusermount.setProcessChannelMode(QProcess::MergedChannels);
    fusermount.start(QStringLiteral("fusermount3"), {QStringLiteral("-u"), QStringLiteral("--"), m_mountPath});
    const bool finished = fusermount.waitForFinished(s_gocryptfsTimeoutMs);
    *message = QString::fromLocal8Bit(fusermount.readAll()).trimmed();
    if (finished && fusermount.exitStatus() == QProcess::NormalExit && fusermount.exitCode() == 0)
        return true;
    if (message->isEmpty())
        *message = fusermount.errorString();
    return false;
}

SecureStorageBus::Code GocryptfsContainer::remove(QString *message)
{
    if (!close(message))
        return SecureStorageBus::Failed;
    const bool existed = exists();
    if (!QDir(m_cipherPath).removeRecursively()) {
        *message = QStringLiteral("Cannot remove %1").arg(m_cipherPath);
        return SecureStorageBus::Failed;
    }
    *message = QString();
    return existed ? SecureStorageBus::Done : SecureStorageBus::NoContainer;
}

bool GocryptfsContainer::runGocryptfs(const QStringList &arguments, const QString &password, int *exitCode,
                                      QString *output) const
{
    // The mounted file system outlives this process and keeps its output:
    // a file, since a pipe closed behind it would end it on its next message.
    QProcess gocryptfs;
    gocryptfs.setProcessChannelMode(QProcess::MergedChannels);
    gocryptfs.setStandardOutputFile(m_logPath, QIODevice::Append);
    gocryptfs.start(QStringLiteral("gocryptfs"), arguments);
    if (!gocryptfs.waitForStarted(s_gocryptfsTimeoutMs)) {
        *output = gocryptfs.errorString();
        return false;
    }
    gocryptfs.write(password.toUtf8() + '\n');
    gocryptfs.closeWriteChannel();
    if (!gocryptfs.waitForFinished(s_gocryptfsTimeoutMs) || gocryptfs.exitStatus() != QProcess::NormalExit) {
        gocryptfs.kill();
        gocryptfs.waitForFinished();
        *output = QStringLiteral("gocryptfs did not finish");
        return false;
    }
    *exitCode = gocryptfs.exitCode();
    *output = QStringLiteral("gocryptfs ended with %1, see %2").arg(*exitCode).arg(m_logPath);
    return true;
}

QByteArray GocryptfsContainer::passwordCheck(const QString &password) const
{
    return QCryptographicHash::hash(m_salt + password.toUtf8(), QCryptographicHash::Sha256);
}
