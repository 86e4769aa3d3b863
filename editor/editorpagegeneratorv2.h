#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonDocument>
#include <QString>
#include <QUrl>

class QFile;
class QJsonObject;

// Writes the local page that loads the document server's editor script and
// starts its editor with the configuration of an edit-rights reply.
class EditorPageGeneratorV2
{
public:
    enum class DocumentKind { Text, Spreadsheet, Presentation };

    // The extensions the online editor opens, by the kind of document.
    static const QHash<QString, DocumentKind> s_documentsTypes;

    // The page's location (a path without scheme); empty when the reply
    // lacks what the page needs or the page cannot be written.
    static QUrl getPageUrl(const QJsonDocument &json);
    // Exact and case-sensitive, without the dot.
    static bool isAvailableExtension(const QString &extension);

private:
    // The address the editor script comes from, HTML-escaped for the
    // attribute; empty unless it is an http or https address.
    static QString scriptServerAddress(const QJsonObject &info);
    // Compact JSON that cannot end the script element it is written into.
    static QByteArray scriptSafeJson(const QJsonObject &payload);
    // Creates a page file under a name no existing file has.
    static bool createPageFile(const QString &directory, QFile *file);
};
