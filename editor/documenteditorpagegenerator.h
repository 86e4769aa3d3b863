#pragma once

#include <QString>

// Which documents the portal's document server can show at all (viewing
// included), as opposed to the smaller set it edits.
class DocumentEditorPageGenerator
{
public:
    // Exact and case-sensitive, without the dot.
    static bool isAvailableExtension(const QString &extension);
};
