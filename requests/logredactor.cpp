#include "logredactor.h"

#include "logging/eventlogger.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

const QString LogRedactor::s_mask = QStringLiteral("***");

namespace {

const QStringList &secretKeys()
{
    static const QStringList keys = {
        QStringLiteral("Authorization"), QStringLiteral("Password"),     QStringLiteral("UserPassword"),
        QStringLiteral("Token"),         QStringLiteral("RefreshToken"), QStringLiteral("AuthToken"),
        QStringLiteral("access_token"),  QStringLiteral("refresh_token"), QStringLiteral("Jwt"),
    };
    return keys;
}

QString keyAlternatives()
{
    QStringList escaped;
    for (const QString &key : secretKeys())
        escaped << QRegularExpression::escape(key);
    return escaped.join(QLatin1Char('|'));
}

// "Key": followed by a string (possibly cut off) or any other scalar.
const QRegularExpression &jsonSecretPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("(\"(?:%1)\"\\s*:\\s*)(\"(?:[^\"\\\\]|\\\\.)*\"?|[^,}\\]\\s]*)").arg(keyAlternatives()),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

const QRegularExpression &querySecretPattern()
{
    static const QRegularExpression pattern(QStringLiteral("([?&](?:%1)=)[^&#]*").arg(keyAlternatives()),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

QVariantList redactList(const QVariantList &list)
{
    QVariantList result;
    result.reserve(list.size());
    for (const QVariant &item : list)
        result << LogRedactor::redact(item);
    return result;
}

} // namespace

bool LogRedactor::isSecretKey(const QString &key)
{
    return secretKeys().contains(key, Qt::CaseInsensitive);
}

QVariant LogRedactor::redact(const QVariant &value)
{
    switch (static_cast<int>(value.type())) {
    case QMetaType::QVariantMap:
        return redact(value.toMap());
    case QMetaType::QVariantHash: {
        const QVariantHash hash = value.toHash();
        QVariantMap map;
        for (auto it = hash.cbegin(); it != hash.cend(); ++it)
            map.insert(it.key(), it.value());
        return redact(map);
    }
    case QMetaType::QVariantList:
    case QMetaType::QStringList:
        return redactList(value.toList());
    case QMetaType::QJsonObject:
        return redact(value.toJsonObject().toVariantMap());
    case QMetaType::QJsonArray:
        return redactList(value.toJsonArray().toVariantList());
    case QMetaType::QJsonValue:
        return redact(value.toJsonValue().toVariant());
    case QMetaType::QJsonDocument: {
        const QJsonDocument document = value.toJsonDocument();
        return document.isArray() ? QVariant(redactList(document.array().toVariantList()))
                                  : QVariant(redact(document.object().toVariantMap()));
    }
    default:
        return value;
    }
}

QVariantMap LogRedactor::redact(const QVariantMap &map)
{
    QVariantMap result;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        result.insert(it.key(), isSecretKey(it.key()) ? QVariant(s_mask) : redact(it.value()));
    return result;
}

QString LogRedactor::mapText(const QVariantMap &map)
{
    return EventLogger::variantMapToJsonString(redact(map));
}

QString LogRedactor::objectText(const QJsonObject &object)
{
    return mapText(object.toVariantMap());
}

QString LogRedactor::documentText(const QJsonDocument &document)
{
    if (document.isNull())
        return QString();
    if (document.isArray()) {
        const QJsonArray redacted = QJsonArray::fromVariantList(redactList(document.array().toVariantList()));
        return QString::fromUtf8(QJsonDocument(redacted).toJson(QJsonDocument::Compact));
    }
    return objectText(document.object());
}

QString LogRedactor::rawText(const QByteArray &raw)
{
    QString text = QString::fromUtf8(raw);
    text.replace(jsonSecretPattern(), QStringLiteral("\\1\"***\""));
    return text;
}

QString LogRedactor::urlText(const QUrl &url)
{
    QString text = url.toString(QUrl::RemovePassword);
    text.replace(querySecretPattern(), QStringLiteral("\\1***"));
    return text;
}
