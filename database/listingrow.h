#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <QVector>

// The 26 columns of a cached listing row and how a portal file or folder
// object fills them. Rows are always written with this explicit column list,
// since the metadirectory tables order their columns differently.
class ListingRow
{
public:
    static constexpr int s_columnCount = 26;

    // "id, file_id, ..., is_shared" in the order the values are appended.
    static const QString &columnList();
    // Appends the row's values in column order; new rows are neither
    // selected nor busy.
    static void appendPortalValues(const QVariantMap &object, bool isFile, QVector<QVariant> *values);
};
