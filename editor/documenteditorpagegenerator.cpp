#include "documenteditorpagegenerator.h"

#include "models/extensionchecker.h"

bool DocumentEditorPageGenerator::isAvailableExtension(const QString &extension)
{
    // The document server shows what the file lists call documents.
    return ExtensionChecker::documentExtensions().contains(extension);
}
