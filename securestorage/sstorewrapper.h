#pragma once

#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <QVariantList>

// The platform's secure-storage service on the system bus: tells whether it is
// usable, and creates, opens, closes and deletes the encrypted container whose
// mount path it remembers.
class SecureStorage : public QObject
{
    Q_OBJECT
public:
    enum SStoreStatus { Ready = 0, PermissionError = 1, NotInstalled = 2, UnexpectedError = 3 };
    Q_ENUM(SStoreStatus)

    explicit SecureStorage(QObject *parent = nullptr);

    static QString documentsSuffix();
    static QString trashSuffix();
    // The user-facing text of a status; empty for an unknown value.
    Q_INVOKABLE static QString statusToString(int status);

    Q_INVOKABLE int sstoreStatus() const;
    Q_INVOKABLE bool exists() const;
    Q_INVOKABLE bool create(const QString &password) const;
    // The service's result code; 15 when the service could not be asked.
    Q_INVOKABLE quint8 open(const QString &password);
    Q_INVOKABLE bool close() const;
    Q_INVOKABLE bool deleteStorage() const;
    // Where the opened container is mounted; empty before the first open.
    Q_INVOKABLE QString path() const { return m_path; }

private:
    static QDBusMessage call(const QString &method, const QVariantList &arguments = {});
    static int statusOf(const QDBusMessage &reply);

    QString m_path;
};
