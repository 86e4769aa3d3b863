#pragma once

#include <QHash>
#include <QString>

// Media types of the file extensions the portal stores, for the
// "Content-Type" of an uploaded file.
class MimeTypes
{
public:
    // Extension without the dot to media type; keys are exact and case-sensitive.
    static const QHash<QString, QString> s_mimeTypes;

    // Empty for an extension the table does not know.
    static QString getMimeString(const QString &extension);
};
