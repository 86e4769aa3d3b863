#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <QVariantMap>

// A listing of `rows` portal document objects "<prefix>-<n>.docx", n from 1,
// with ids after idBase, in folderId and owned by ownerId.
inline QList<QVariant> portalDocuments(int rows, const QString &prefix, int idBase, int folderId, int ownerId)
{
    QList<QVariant> documents;
    documents.reserve(rows);
    for (int n = 1; n <= rows; ++n) {
        documents.append(QVariantMap{{"Id", idBase + n},
                                     {"FileId", idBase + n + 100000},
                                     {"OwnerId", ownerId},
                                     {"Name", QStringLiteral("%1-%2.docx").arg(prefix).arg(n)},
                                     {"DirectoryId", folderId},
                                     {"Timestamp", "2024-03-01T10:00:00"},
                                     {"Size", 1024 + n},
                                     {"MimeType", "application/msword"}});
    }
    return documents;
}
