#pragma once

#include <QMetaType>
#include <QString>

class QJsonDocument;

// Share links of documents and folders as the portal describes them.
namespace DocumentLink {

// The portal's lifetime codes; 10 marks an entity's default external link.
enum LifeTime : qint16 { DefaultExternal = 10 };

// Access levels of links and of bulk shares.
enum AccessType : qint16 { Deny = 0, Read = 1, Comment = 2, Write = 5, Delete = 9 };

// The portal's name of the level; empty for a level it has no name for.
QString accessTypeToString(AccessType type);

// A generated link, as the portal's "Link/Generate" answers it.
struct Link
{
    QString link;
    QString uri;
    QString uid;
    QString jwt;
    QString userId;
    int version = 0;

    // Missing fields stay empty (or 0).
    static Link fromReply(const QJsonDocument &reply);
};

} // namespace DocumentLink

Q_DECLARE_METATYPE(DocumentLink::Link)
