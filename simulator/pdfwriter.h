#pragma once

#include <QByteArray>
#include <QStringList>

// A one-page PDF with lines of text in a standard font: what a conversion
// yields and what the demo PDFs hold.
class PdfWriter
{
public:
    static QByteArray document(const QString &title, const QStringList &lines);
};
