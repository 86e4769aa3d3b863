#include "simulator/faultinjector.h"

#include <QJsonDocument>

namespace {
const QList<QPair<QString, Fault::Mode>> &modeNames()
{
    static const QList<QPair<QString, Fault::Mode>> names{
        {QStringLiteral("status"), Fault::Mode::Status},       {QStringLiteral("malformed"), Fault::Mode::Malformed},
        {QStringLiteral("truncated"), Fault::Mode::Truncated}, {QStringLiteral("hang"), Fault::Mode::Hang},
        {QStringLiteral("drop"), Fault::Mode::Drop},           {QStringLiteral("delay"), Fault::Mode::Delay},
        {QStringLiteral("paced"), Fault::Mode::Paced},         {QStringLiteral("hold"), Fault::Mode::Hold}};
    return names;
}
} // namespace

bool Fault::fromJson(const QJsonObject &object, Fault *fault, QString *error)
{
    Fault parsed;
    parsed.path = object.value(QStringLiteral("path")).toString();
    if (!parsed.path.startsWith(QLatin1Char('/'))) {
        *error = QStringLiteral("\"path\" must be an absolute request path");
        return false;
    }
    parsed.method = object.value(QStringLiteral("method")).toString().toUpper();
    const QString modeName = object.value(QStringLiteral("mode")).toString(QStringLiteral("status"));
    bool known = false;
    for (const auto &entry : modeNames()) {
        if (entry.first == modeName) {
            parsed.mode = entry.second;
            known = true;
        }
    }
    if (!known) {
        *error = QStringLiteral("unknown fault mode \"%1\"").arg(modeName);
        return false;
    }
    parsed.status = object.value(QStringLiteral("status")).toInt(0);
    if (parsed.mode == Mode::Status && (parsed.status < 100 || parsed.status > 599)) {
        *error = QStringLiteral("a status fault needs \"status\" between 100 and 599");
        return false;
    }
    const QJsonValue body = object.value(QStringLiteral("body"));
    parsed.hasBody = !body.isUndefined() && !body.isNull();
    if (body.isString())
        parsed.body = body.toString().toUtf8();
    else if (body.isObject())
        parsed.body = QJsonDocument(body.toObject()).toJson(QJsonDocument::Compact);
    else if (body.isArray())
        parsed.body = QJsonDocument(body.toArray()).toJson(QJsonDocument::Compact);
    parsed.delayMs = qMax(0, object.value(QStringLiteral("delayMs")).toInt(0));
    parsed.chunkBytes = object.value(QStringLiteral("chunkBytes")).toInt(0);
    if (parsed.mode == Mode::Paced && parsed.chunkBytes <= 0) {
        *error = QStringLiteral("a paced fault needs a positive \"chunkBytes\"");
        return false;
    }
    const QJsonValue count = object.value(QStringLiteral("count"));
    parsed.remaining = count.isDouble() ? qMax(0, count.toInt()) : -1;
    *fault = parsed;
    return true;
}

QJsonObject Fault::toJson() const
{
    QString modeName;
    for (const auto &entry : modeNames()) {
        if (entry.second == mode)
            modeName = entry.first;
    }
    QJsonObject object{{QStringLiteral("path"), path},     {QStringLiteral("method"), method},
                       {QStringLiteral("mode"), modeName}, {QStringLiteral("status"), status},
                       {QStringLiteral("delayMs"), delayMs}, {QStringLiteral("chunkBytes"), chunkBytes},
                       {QStringLiteral("count"), remaining}};
    if (hasBody)
        object.insert(QStringLiteral("body"), QString::fromUtf8(body));
    return object;
}

void FaultInjector::add(const Fault &fault)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.append(fault);
}

void FaultInjector::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.clear();
    ++m_releases;
}

void FaultInjector::release()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_releases;
}

bool FaultInjector::take(const QString &method, const QString &path, Fault *fault)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (auto it = m_faults.begin(); it != m_faults.end(); ++it) {
        if (it->path.compare(path, Qt::CaseInsensitive) != 0)
            continue;
        if (!it->method.isEmpty() && it->method != method)
            continue;
        if (it->remaining == 0)
            continue;
        if (it->remaining > 0)
            --it->remaining;
        *fault = *it;
        fault->heldSince = m_releases;
        if (it->remaining == 0)
            m_faults.erase(it);
        return true;
    }
    return false;
}

QJsonArray FaultInjector::toJson() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QJsonArray array;
    for (const Fault &fault : m_faults)
        array.append(fault.toJson());
    return array;
}
