#pragma once

#include "securestorage/securestoragebus.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// One encrypted container: a gocryptfs cipher directory and the directory
// where it is mounted while open. The password reaches gocryptfs on its
// standard input only.
class GocryptfsContainer
{
public:
    struct Owner
    {
        uint uid = 0;
        uint gid = 0;
    };

    // scryptLogN 0 keeps gocryptfs' own key-derivation cost. An owner other
    // than the service's own user sees the mounted files as its own and alone.
    GocryptfsContainer(const QString &directory, int scryptLogN, const Owner &owner);

    // Empty when gocryptfs can mount here, else why not.
    static QString unusableReason(const QString &fuseDevice);

    QString mountPath() const { return m_mountPath; }
    bool exists() const;
    bool isMounted() const;

    SecureStorageBus::Code create(const QString &password, QString *message);
    // Mounting an open container only checks the password.
    SecureStorageBus::Code open(const QString &password, QString *message);
    bool close(QString *message);
    SecureStorageBus::Code remove(QString *message);

private:
    static bool isUsablePassword(const QString &password);
    bool runGocryptfs(const QStringList &arguments, const QString &password, int *exitCode, QString *output) const;
    QByteArray passwordCheck(const QString &password) const;

    QString m_cipherPath;
    QString m_mountPath;
    QString m_logPath;
    int m_scryptLogN;
    Owner m_owner;
    // Salt and hash of the password the container was opened with.
    QByteArray m_salt;
    QByteArray m_openedWith;
};
