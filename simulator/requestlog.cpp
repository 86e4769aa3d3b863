#include "simulator/requestlog.h"

namespace {
QJsonObject toObject(const QHash<QString, QString> &hash)
{
    QJsonObject object;
    for (auto it = hash.constBegin(); it != hash.constEnd(); ++it)
        object.insert(it.key(), it.value());
    return object;
}
} // namespace

void RequestLog::record(const ApiRequest &request)
{
    const QJsonObject entry{{QStringLiteral("method"), request.method},
                            {QStringLiteral("path"), request.path},
                            {QStringLiteral("target"), request.target},
                            {QStringLiteral("query"), toObject(request.query)},
                            {QStringLiteral("headers"), toObject(request.headers)},
                            {QStringLiteral("body"), QString::fromUtf8(request.body)},
                            {QStringLiteral("bodyBase64"), QString::fromLatin1(request.body.toBase64())}};
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries.append(entry);
}

void RequestLog::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries = QJsonArray();
}

QJsonArray RequestLog::toJson() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_entries;
}
