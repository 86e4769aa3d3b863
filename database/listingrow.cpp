#include "database/listingrow.h"

#include "database/portalvalue.h"

#include <QStringList>

namespace {

enum class Source { Integer, Text, ParentOfEntry, IsFile, Cleared };

struct Column
{
    QString name;
    QString portalKey;
    Source source;
};

// Files name their folder "DirectoryId", folders theirs "ParentId".
const QVector<Column> &columns()
{
    static const QVector<Column> list = {
        {QStringLiteral("id"), QStringLiteral("Id"), Source::Integer},
        {QStringLiteral("file_id"), QStringLiteral("FileId"), Source::Integer},
        {QStringLiteral("original_file_id"), QStringLiteral("OriginalFileId"), Source::Integer},
        {QStringLiteral("preview_file_id"), QStringLiteral("PreviewFileId"), Source::Integer},
        {QStringLiteral("owner_id"), QStringLiteral("OwnerId"), Source::Integer},
        {QStringLiteral("name"), QStringLiteral("Name"), Source::Text},
        {QStringLiteral("description"), QStringLiteral("Description"), Source::Text},
        {QStringLiteral("directory_id"), QString(), Source::ParentOfEntry},
        {QStringLiteral("timestamp"), QStringLiteral("Timestamp"), Source::Text},
        {QStringLiteral("date"), QStringLiteral("Date"), Source::Text},
        {QStringLiteral("status"), QStringLiteral("Status"), Source::Integer},
        {QStringLiteral("type"), QStringLiteral("Type"), Source::Integer},
        {QStringLiteral("is_favorite"), QStringLiteral("IsFavorite"), Source::Integer},
        {QStringLiteral("is_read"), QStringLiteral("IsRead"), Source::Integer},
        {QStringLiteral("size"), QStringLiteral("Size"), Source::Integer},
        {QStringLiteral("mime_type"), QStringLiteral("MimeType"), Source::Text},
        {QStringLiteral("original_mime_type"), QStringLiteral("OriginalMimeType"), Source::Text},
        {QStringLiteral("offline_file_id"), QStringLiteral("OfflineFileId"), Source::Integer},
        {QStringLiteral("parent_id"), QString(), Source::ParentOfEntry},
        {QStringLiteral("icon_id"), QStringLiteral("IconId"), Source::Integer},
        {QStringLiteral("send_notification"), QStringLiteral("SendNotification"), Source::Integer},
        {QStringLiteral("order_value"), QStringLiteral("Order"), Source::Integer},
        {QStringLiteral("is_file"), QString(), Source::IsFile},
        {QStringLiteral("selected"), QString(), Source::Cleared},
        {QStringLiteral("busy"), QString(), Source::Cleared},
        {QStringLiteral("is_shared"), QStringLiteral("IsShared"), Source::Integer},
    };
    Q_ASSERT(list.size() == ListingRow::s_columnCount);
    return list;
}

} // namespace

const QString &ListingRow::columnList()
{
    static const QString list = [] {
        QStringList names;
        for (const Column &column : columns())
            names.append(column.name);
        return names.join(QStringLiteral(", "));
    }();
    return list;
}

void ListingRow::appendPortalValues(const QVariantMap &object, bool isFile, QVector<QVariant> *values)
{
    static const QString directoryIdKey = QStringLiteral("DirectoryId");
    static const QString parentIdKey = QStringLiteral("ParentId");
    for (const Column &column : columns()) {
        switch (column.source) {
        case Source::Integer:
            values->append(PortalValue::integer(object, column.portalKey));
            break;
        case Source::Text:
            values->append(PortalValue::text(object, column.portalKey));
            break;
        case Source::ParentOfEntry:
            values->append(PortalValue::integer(object, isFile ? directoryIdKey : parentIdKey));
            break;
        case Source::IsFile:
            values->append(QVariant(qlonglong(isFile ? 1 : 0)));
            break;
        case Source::Cleared:
            values->append(QVariant(qlonglong(0)));
            break;
        }
    }
}
