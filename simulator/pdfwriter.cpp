#include "simulator/pdfwriter.h"

#include <QList>

namespace {
// The standard fonts know Latin-1 only; anything else shows as "?".
QByteArray pdfString(const QString &text)
{
    QByteArray out;
    for (const QChar character : text) {
        const ushort code = character.unicode();
        const char byte = code < 256 ? static_cast<char>(code) : '?';
        if (byte == '(' || byte == ')' || byte == '\\')
            out.append('\\');
        out.append(byte);
    }
    return '(' + out + ')';
}
} // namespace

QByteArray PdfWriter::document(const QString &title, const QStringList &lines)
{
    QByteArray content = "BT /F1 18 Tf 72 770 Td " + pdfString(title) + " Tj /F1 11 Tf";
    for (const QString &line : lines)
        content += " 0 -18 Td " + pdfString(line) + " Tj";
    content += " ET";

    const QList<QByteArray> objects{
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Resources << /Font << /F1 4 0 R >> >> /Contents 5 0 R >>",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>",
        "<< /Length " + QByteArray::number(content.size()) + " >>\nstream\n" + content + "\nendstream",
        "<< /Title " + pdfString(title) + " /Producer (Vellix portal simulator) >>"};

    QByteArray pdf = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    QList<int> offsets;
    for (int i = 0; i < objects.size(); ++i) {
        offsets.append(pdf.size());
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const int xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (int offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R /Info 6 0 R >>\nstartxref\n"
        + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}
