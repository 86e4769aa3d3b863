#include "documenteditorpagegenerator.h"

#include <QSet>

bool DocumentEditorPageGenerator::isAvailableExtension(const QString &extension)
{
    static const QSet<QString> extensions{
        QStringLiteral("csv"),  QStringLiteral("djvu"), QStringLiteral("doc"),  QStringLiteral("docm"),
        QStringLiteral("docx"), QStringLiteral("docxf"), QStringLiteral("dot"), QStringLiteral("dotm"),
        QStringLiteral("dotx"), QStringLiteral("epub"), QStringLiteral("fb2"),  QStringLiteral("fodp"),
        QStringLiteral("fods"), QStringLiteral("fodt"), QStringLiteral("htm"),  QStringLiteral("html"),
        QStringLiteral("mht"),  QStringLiteral("odp"),  QStringLiteral("ods"),  QStringLiteral("odt"),
        QStringLiteral("oform"), QStringLiteral("otp"), QStringLiteral("ots"),  QStringLiteral("ott"),
        QStringLiteral("oxps"), QStringLiteral("pdf"),  QStringLiteral("pot"),  QStringLiteral("potm"),
        QStringLiteral("potx"), QStringLiteral("pps"),  QStringLiteral("ppsm"), QStringLiteral("ppsx"),
        QStringLiteral("ppt"),  QStringLiteral("pptm"), QStringLiteral("pptx"), QStringLiteral("rtf"),
        QStringLiteral("txt"),  QStringLiteral("xls"),  QStringLiteral("xlsb"), QStringLiteral("xlsm"),
        QStringLiteral("xlsx"), QStringLiteral("xlt"),  QStringLiteral("xltm"), QStringLiteral("xltx"),
        QStringLiteral("xml"),  QStringLiteral("xps")};
    return extensions.contains(extension);
}
