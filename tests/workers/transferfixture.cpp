#include "transferfixture.h"

#include "testenvironment.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QStandardPaths>

bool TransferFixture::reset()
{
    m_target = std::make_unique<QTemporaryDir>();
    QDir cache(QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
    if (cache.exists() && !cache.removeRecursively())
        return false;
    return m_target->isValid() && TestEnvironment::writeFile(m_target->filePath(QStringLiteral("plain")), "x")
        && OperationFixture::reset();
}

QString TransferFixture::unusableFolder() const
{
    return m_target->filePath(QStringLiteral("plain/documents"));
}

QStringList TransferFixture::entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QStringList TransferFixture::cacheEntries()
{
    return entries(QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
}

QJsonObject TransferFixture::portalDocument(int id)
{
    for (const QJsonValue &document : simulator().state().value(QStringLiteral("documents")).toArray()) {
        if (document.toObject().value(QStringLiteral("Id")).toInt() == id)
            return document.toObject();
    }
    return {};
}

QByteArray TransferFixture::storedBytes(int fileId)
{
    // The simulator keeps every stored file under files/ by its id.
    return TestEnvironment::readFile(QDir(simulator().dataDirectory()).filePath(QStringLiteral("files/%1").arg(fileId)));
}

QJsonObject TransferFixture::lastTask()
{
    return simulator().state().value(QStringLiteral("tasks")).toArray().last().toObject();
}
