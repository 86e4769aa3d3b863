#pragma once

#include "operationfixture.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// The operation fixture with a fresh local target folder per test and a look
// at the bytes the portal keeps.
class TransferFixture : public OperationFixture
{
public:
    // Fresh portal, cache and target folder; the cache location emptied.
    bool reset();

    QString targetFolder() const { return m_target->path(); }
    // A folder that cannot exist: its parent is a plain file.
    QString unusableFolder() const;

    // Every entry of a folder, hidden ones included, sorted.
    static QStringList entries(const QString &folder);
    static QStringList cacheEntries();

    // The portal's record of a document, and the bytes of one of its stored files.
    QJsonObject portalDocument(int id);
    QByteArray storedBytes(int fileId);
    // The last server task of the portal.
    QJsonObject lastTask();

private:
    std::unique_ptr<QTemporaryDir> m_target;
};
