#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QString>

class OperationWorker;
class QQmlEngine;
class QJSEngine;

// The downloads, PDF conversions, archive downloads and uploads that the
// action controllers started: one row per running or recently ended transfer,
// newest last. There is one list per process: QML reaches it as the singleton
// "TransferListModel" (registered by CoreInit), the controllers through
// instance(). An ended row stays for endedRowLifetime milliseconds.
class TransferListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int endedRowLifetime READ endedRowLifetime WRITE setEndedRowLifetime NOTIFY endedRowLifetimeChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Direction { Download, Upload };
    Q_ENUM(Direction)
    // Waiting: the portal prepares it (conversion, packing) or no byte moved yet.
    enum State { Waiting, Running, Finished, Failed };
    Q_ENUM(State)
    enum TransferRoles {
        NameRole = Qt::UserRole + 1,
        DirectionRole,
        BytesDoneRole,
        // -1 while the portal has not said.
        BytesTotalRole,
        StateRole,
        ErrorTextRole,
        // Where a finished download was saved; empty otherwise.
        FilePathRole
    };
    Q_ENUM(TransferRoles)

    static constexpr int s_defaultEndedRowLifetimeMs = 60000;

    explicit TransferListModel(QObject *parent = nullptr);

    // The process's list, freed with the application object.
    static TransferListModel *instance();
    // For the QML singleton registration; the list stays owned by C++.
    static QObject *qmlInstance(QQmlEngine *engine, QJSEngine *scriptEngine);

    // Adds a row that follows the worker's transferProgress and workFinished.
    void track(OperationWorker *worker, const QString &name, Direction direction);

    int endedRowLifetime() const { return m_endedRowLifetimeMs; }
    void setEndedRowLifetime(int milliseconds);

    int count() const { return m_transfers.size(); }

    // Removes every ended row at once.
    Q_INVOKABLE void clearEnded();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    void endedRowLifetimeChanged();
    void countChanged();

private:
    struct Transfer
    {
        quint64 serial = 0;
        QString name;
        Direction direction = Download;
        qint64 bytesDone = 0;
        qint64 bytesTotal = -1;
        State state = Waiting;
        QString errorText;
        QString filePath;
    };

    void updateProgress(quint64 serial, qint64 done, qint64 total);
    void setFilePath(quint64 serial, const QString &path);
    void end(quint64 serial, bool success, const QString &message);
    void remove(quint64 serial);
    int rowOf(quint64 serial) const;
    bool isEnded(int row) const;

    QList<Transfer> m_transfers;
    quint64 m_nextSerial = 0;
    int m_endedRowLifetimeMs = s_defaultEndedRowLifetimeMs;
};
