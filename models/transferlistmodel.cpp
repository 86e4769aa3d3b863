#include "transferlistmodel.h"

#include "workers/operationworker.h"

#include <QCoreApplication>
#include <QPointer>
#include <QQmlEngine>
#include <QTimer>

TransferListModel::TransferListModel(QObject *parent)
    : QAbstractListModel(parent)
{
    connect(this, &QAbstractItemModel::rowsInserted, this, &TransferListModel::countChanged);
    connect(this, &QAbstractItemModel::rowsRemoved, this, &TransferListModel::countChanged);
}

TransferListModel *TransferListModel::instance()
{
    static QPointer<TransferListModel> s_instance;
    if (!s_instance)
        s_instance = new TransferListModel(QCoreApplication::instance());
    return s_instance;
}

QObject *TransferListModel::qmlInstance(QQmlEngine *, QJSEngine *)
{
    TransferListModel *list = instance();
    QQmlEngine::setObjectOwnership(list, QQmlEngine::CppOwnership);
    return list;
}

void TransferListModel::track(OperationWorker *worker, const QString &name, Direction direction)
{
    const quint64 serial = m_nextSerial++;
    beginInsertRows(QModelIndex(), m_transfers.size(), m_transfers.size());
    Transfer transfer;
    transfer.serial = serial;
    transfer.name = name;
    transfer.direction = direction;
    m_transfers.append(transfer);
    endInsertRows();
    connect(worker, &OperationWorker::transferProgress, this,
            [this, serial](qint64 done, qint64 total) { updateProgress(serial, done, total); });
    connect(worker, &OperationWorker::transferSaved, this,
            [this, serial](const QString &path) { setFilePath(serial, path); });
    connect(worker, &Worker::workFinished, this,
            [this, serial](bool success, const QString &message) { end(serial, success, message); });
}

void TransferListModel::setEndedRowLifetime(int milliseconds)
{
    if (m_endedRowLifetimeMs == milliseconds)
        return;
    m_endedRowLifetimeMs = milliseconds;
    emit endedRowLifetimeChanged();
}

void TransferListModel::clearEnded()
{
    for (int row = m_transfers.size() - 1; row >= 0; --row) {
        if (isEnded(row)) {
            beginRemoveRows(QModelIndex(), row, row);
            m_transfers.removeAt(row);
            endRemoveRows();
        }
    }
}

int TransferListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_transfers.size();
}

QVariant TransferListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const Transfer &transfer = m_transfers.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case NameRole:
        return transfer.name;
    case DirectionRole:
        return transfer.direction;
    case BytesDoneRole:
        return transfer.bytesDone;
    case BytesTotalRole:
        return transfer.bytesTotal;
    case StateRole:
        return transfer.state;
    case ErrorTextRole:
        return transfer.errorText;
    case FilePathRole:
        return transfer.filePath;
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> TransferListModel::roleNames() const
{
    return {{NameRole, "name"},           {DirectionRole, "direction"}, {BytesDoneRole, "bytesDone"},
            {BytesTotalRole, "bytesTotal"}, {StateRole, "state"},         {ErrorTextRole, "errorText"},
            {FilePathRole, "filePath"}};
}

void TransferListModel::updateProgress(quint64 serial, qint64 done, qint64 total)
{
    const int row = rowOf(serial);
    if (row < 0 || isEnded(row))
        return;
    Transfer &transfer = m_transfers[row];
    transfer.bytesDone = done;
    transfer.bytesTotal = total;
    transfer.state = Running;
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed, {BytesDoneRole, BytesTotalRole, StateRole});
}

void TransferListModel::setFilePath(quint64 serial, const QString &path)
{
    const int row = rowOf(serial);
    if (row < 0 || isEnded(row))
        return;
    m_transfers[row].filePath = path;
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed, {FilePathRole});
}

void TransferListModel::end(quint64 serial, bool success, const QString &message)
{
    const int row = rowOf(serial);
    if (row < 0 || isEnded(row))
        return;
    Transfer &transfer = m_transfers[row];
    transfer.state = success ? Finished : Failed;
    if (!success)
        transfer.errorText = message;
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed, {StateRole, ErrorTextRole});
    QTimer::singleShot(m_endedRowLifetimeMs, this, [this, serial] { remove(serial); });
}

void TransferListModel::remove(quint64 serial)
{
    const int row = rowOf(serial);
    if (row < 0)
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_transfers.removeAt(row);
    endRemoveRows();
}

int TransferListModel::rowOf(quint64 serial) const
{
    for (int row = 0; row < m_transfers.size(); ++row) {
        if (m_transfers.at(row).serial == serial)
            return row;
    }
    return -1;
}

bool TransferListModel::isEnded(int row) const
{
    const State state = m_transfers.at(row).state;
    return state == Finished || state == Failed;
}
