#pragma once

#include "securestorageservice/gocryptfscontainer.h"

#include <QDBusContext>
#include <QList>
#include <QObject>
#include <QString>

#include <map>
#include <memory>

// The secure-storage service's one object: an encrypted container per calling
// user, kept under the data directory as <uid>/cipher and mounted at
// <uid>/mount while open.
class SecureStorageService : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.vellix.SecureStorage")

public:
    struct Options
    {
        QString dataDirectory;
        int scryptLogN = 0;
        // Users that may call; empty lets everyone call.
        QList<uint> allowedUids;
        // Why FUSE cannot be used here; every call fails while it is set.
        QString unusableReason;
    };

    explicit SecureStorageService(const Options &options, QObject *parent = nullptr);
    ~SecureStorageService() override;

public slots:
    bool Exists();
    int Open(const QString &password, QString &pathOrMessage);
    int Create(const QString &password);
    void Close();
    int Delete();

private:
    // The caller's container, or null after an error reply has been sent.
    GocryptfsContainer *callersContainer();

    Options m_options;
    std::map<uint, std::unique_ptr<GocryptfsContainer>> m_containers;
};
