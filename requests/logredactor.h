#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

class QByteArray;
class QJsonDocument;
class QJsonObject;
class QUrl;

// Renders what requests log (URLs, bodies, raw replies, result maps) with the
// values of credentials and tokens replaced by "***", at any nesting depth;
// everything else of the text is kept.
class LogRedactor
{
public:
    static const QString s_mask;

    // Keys are compared without regard to case.
    static bool isSecretKey(const QString &key);

    static QVariant redact(const QVariant &value);
    static QVariantMap redact(const QVariantMap &map);

    // Compact JSON text of the redacted map, object or document.
    static QString mapText(const QVariantMap &map);
    static QString objectText(const QJsonObject &object);
    static QString documentText(const QJsonDocument &document);
    // The reply as received, secret values masked in place; also works on
    // text that is not (or not complete) JSON.
    static QString rawText(const QByteArray &raw);
    // Without the user-info password and with secret query values masked.
    static QString urlText(const QUrl &url);
};
