#include "simulator/democontent.h"

#include "simulator/bytes.h"
#include "simulator/pdfwriter.h"
#include "simulator/zipwriter.h"

#include <QHash>
#include <QStringList>

#include <zlib.h>

namespace {
QString xmlEscaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QByteArray xml(const QString &body)
{
    return QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n") + body.toUtf8();
}

QByteArray relationships(const QStringList &entries)
{
    QString body = QStringLiteral("<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">");
    for (int i = 0; i < entries.size(); i += 2) {
        body += QStringLiteral("<Relationship Id=\"rId%1\" Type=\"http://schemas.openxmlformats.org/%2\" Target=\"%3\"/>")
                    .arg(i / 2 + 1)
                    .arg(entries[i], entries[i + 1]);
    }
    return xml(body + QStringLiteral("</Relationships>"));
}

QByteArray contentTypes(const QStringList &overrides)
{
    QString body = QStringLiteral(
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>");
    for (int i = 0; i < overrides.size(); i += 2)
        body += QStringLiteral("<Override PartName=\"%1\" ContentType=\"application/vnd.openxmlformats-%2\"/>").arg(overrides[i], overrides[i + 1]);
    return xml(body + QStringLiteral("</Types>"));
}

const QString s_officeDocument = QStringLiteral("officeDocument/2006/relationships/officeDocument");

QStringList linesOf(const QString &text)
{
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void pngChunk(QByteArray *out, const char *type, const QByteArray &data)
{
    Bytes::appendBig<quint32>(out, static_cast<quint32>(data.size()));
    const QByteArray typed = QByteArray(type, 4) + data;
    out->append(typed);
    Bytes::appendBig<quint32>(out, quint32(crc32(0, reinterpret_cast<const Bytef *>(typed.constData()), uInt(typed.size()))));
}

// The zlib stream of the data (qCompress puts its length in front of it).
QByteArray zlibStream(const QByteArray &data)
{
    return qCompress(data).mid(4);
}
} // namespace

QString DemoContent::extensionOf(const QString &name)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1).toLower();
}

QString DemoContent::mimeTypeOf(const QString &name)
{
    static const QHash<QString, QString> types{
        {QStringLiteral("docx"), QStringLiteral("application/vnd.openxmlformats-officedocument.wordprocessingml.document")},
        {QStringLiteral("xlsx"), QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet")},
        {QStringLiteral("pptx"), QStringLiteral("application/vnd.openxmlformats-officedocument.presentationml.presentation")},
        {QStringLiteral("pdf"), QStringLiteral("application/pdf")},
        {QStringLiteral("txt"), QStringLiteral("text/plain")},
        {QStringLiteral("csv"), QStringLiteral("text/csv")},
        {QStringLiteral("png"), QStringLiteral("image/png")},
        {QStringLiteral("bmp"), QStringLiteral("image/bmp")},
        {QStringLiteral("svg"), QStringLiteral("image/svg+xml")},
        {QStringLiteral("jpg"), QStringLiteral("image/jpeg")},
        {QStringLiteral("jpeg"), QStringLiteral("image/jpeg")},
        {QStringLiteral("zip"), QStringLiteral("application/zip")}};
    return types.value(extensionOf(name), QStringLiteral("application/octet-stream"));
}

QByteArray DemoContent::bytesFor(const QString &name, const QString &text)
{
    const QString extension = extensionOf(name);
    if (extension == QLatin1String("docx"))
        return wordDocument(text);
    if (extension == QLatin1String("xlsx"))
        return spreadsheet(text);
    if (extension == QLatin1String("pptx"))
        return presentation(text);
    if (extension == QLatin1String("pdf"))
        return PdfWriter::document(name, linesOf(text));
    if (extension == QLatin1String("png"))
        return pngImage(64, 48);
    if (extension == QLatin1String("bmp"))
        return bmpImage(32, 24);
    if (extension == QLatin1String("svg"))
        return svgImage(text);
    return text.toUtf8();
}

QByteArray DemoContent::wordDocument(const QString &text)
{
    QString paragraphs;
    for (const QString &line : linesOf(text))
        paragraphs += QStringLiteral("<w:p><w:r><w:t xml:space=\"preserve\">%1</w:t></w:r></w:p>").arg(xmlEscaped(line));
    if (paragraphs.isEmpty())
        paragraphs = QStringLiteral("<w:p/>");
    ZipWriter zip;
    zip.addFile(QStringLiteral("[Content_Types].xml"),
                contentTypes({QStringLiteral("/word/document.xml"),
                              QStringLiteral("officedocument.wordprocessingml.document.main+xml")}));
    zip.addFile(QStringLiteral("_rels/.rels"), relationships({s_officeDocument, QStringLiteral("word/document.xml")}));
    zip.addFile(QStringLiteral("word/document.xml"),
                xml(QStringLiteral("<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
                                   "<w:body>%1</w:body></w:document>")
                        .arg(paragraphs)));
    return zip.finish();
}

QByteArray DemoContent::spreadsheet(const QString &text)
{
    QString rows;
    const QStringList lines = linesOf(text);
    for (int row = 0; row < lines.size(); ++row) {
        rows += QStringLiteral("<row r=\"%1\">").arg(row + 1);
        const QStringList cells = lines[row].split(QLatin1Char(';'));
        for (int column = 0; column < cells.size() && column < 26; ++column) {
            const QString reference = QChar(QLatin1Char('A').unicode() + column) + QString::number(row + 1);
            bool numeric = false;
            cells[column].toDouble(&numeric);
            rows += numeric ? QStringLiteral("<c r=\"%1\"><v>%2</v></c>").arg(reference, cells[column])
                            : QStringLiteral("<c r=\"%1\" t=\"inlineStr\"><is><t>%2</t></is></c>").arg(reference, xmlEscaped(cells[column]));
        }
        rows += QStringLiteral("</row>");
    }
    ZipWriter zip;
    zip.addFile(QStringLiteral("[Content_Types].xml"),
                contentTypes({QStringLiteral("/xl/workbook.xml"), QStringLiteral("officedocument.spreadsheetml.sheet.main+xml"),
                              QStringLiteral("/xl/worksheets/sheet1.xml"), QStringLiteral("officedocument.spreadsheetml.worksheet+xml")}));
    zip.addFile(QStringLiteral("_rels/.rels"), relationships({s_officeDocument, QStringLiteral("xl/workbook.xml")}));
    zip.addFile(QStringLiteral("xl/workbook.xml"),
                xml(QStringLiteral("<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                                   "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
                                   "<sheets><sheet name=\"Sheet1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>")));
    zip.addFile(QStringLiteral("xl/_rels/workbook.xml.rels"),
                relationships({QStringLiteral("officeDocument/2006/relationships/worksheet"), QStringLiteral("worksheets/sheet1.xml")}));
    zip.addFile(QStringLiteral("xl/worksheets/sheet1.xml"),
                xml(QStringLiteral("<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                                   "<sheetData>%1</sheetData></worksheet>")
                        .arg(rows)));
    return zip.finish();
}

QByteArray DemoContent::presentation(const QString &text)
{
    const QString p = QStringLiteral("xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
                                     "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" "
                                     "xmlns:p=\"http://schemas.openxmlformats.org/presentationml/2006/main\"");
    const QString emptyTree = QStringLiteral("<p:cSld><p:spTree><p:nvGrpSpPr><p:cNvPr id=\"1\" name=\"\"/><p:cNvGrpSpPr/><p:nvPr/>"
                                             "</p:nvGrpSpPr><p:grpSpPr/>%1</p:spTree></p:cSld>");
    QString paragraphs;
    for (const QString &line : linesOf(text))
        paragraphs += QStringLiteral("<a:p><a:r><a:rPr lang=\"en-US\"/><a:t>%1</a:t></a:r></a:p>").arg(xmlEscaped(line));
    if (paragraphs.isEmpty())
        paragraphs = QStringLiteral("<a:p/>");
    const QString textBox = QStringLiteral("<p:sp><p:nvSpPr><p:cNvPr id=\"2\" name=\"Text\"/><p:cNvSpPr txBox=\"1\"/><p:nvPr/></p:nvSpPr>"
                                           "<p:spPr><a:xfrm><a:off x=\"457200\" y=\"457200\"/><a:ext cx=\"8229600\" cy=\"4572000\"/></a:xfrm>"
                                           "<a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom></p:spPr>"
                                           "<p:txBody><a:bodyPr/><a:lstStyle/>%1</p:txBody></p:sp>")
                                .arg(paragraphs);
    QString colors;
    const QStringList names{QStringLiteral("dk1"), QStringLiteral("lt1"), QStringLiteral("dk2"), QStringLiteral("lt2"),
                            QStringLiteral("accent1"), QStringLiteral("accent2"), QStringLiteral("accent3"), QStringLiteral("accent4"),
                            QStringLiteral("accent5"), QStringLiteral("accent6"), QStringLiteral("hlink"), QStringLiteral("folHlink")};
    const QStringList values{QStringLiteral("000000"), QStringLiteral("FFFFFF"), QStringLiteral("1F497D"), QStringLiteral("EEECE1"),
                             QStringLiteral("4F81BD"), QStringLiteral("C0504D"), QStringLiteral("9BBB59"), QStringLiteral("8064A2"),
                             QStringLiteral("4BACC6"), QStringLiteral("F79646"), QStringLiteral("0000FF"), QStringLiteral("800080")};
    for (int i = 0; i < names.size(); ++i)
        colors += QStringLiteral("<a:%1><a:srgbClr val=\"%2\"/></a:%1>").arg(names[i], values[i]);
    const QString solid = QStringLiteral("<a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill>");
    const QString line = QStringLiteral("<a:ln w=\"9525\">%1</a:ln>").arg(solid);
    const QString effect = QStringLiteral("<a:effectStyle><a:effectLst/></a:effectStyle>");
    const QString theme = QStringLiteral(
        "<a:theme xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" name=\"Simulator\"><a:themeElements>"
        "<a:clrScheme name=\"Simulator\">%1</a:clrScheme>"
        "<a:fontScheme name=\"Simulator\"><a:majorFont><a:latin typeface=\"Calibri\"/><a:ea typeface=\"\"/><a:cs typeface=\"\"/></a:majorFont>"
        "<a:minorFont><a:latin typeface=\"Calibri\"/><a:ea typeface=\"\"/><a:cs typeface=\"\"/></a:minorFont></a:fontScheme>"
        "<a:fmtScheme name=\"Simulator\"><a:fillStyleLst>%2%2%2</a:fillStyleLst><a:lnStyleLst>%3%3%3</a:lnStyleLst>"
        "<a:effectStyleLst>%4%4%4</a:effectStyleLst><a:bgFillStyleLst>%2%2%2</a:bgFillStyleLst></a:fmtScheme>"
        "</a:themeElements></a:theme>")
                              .arg(colors, solid, line, effect);

    ZipWriter zip;
    zip.addFile(QStringLiteral("[Content_Types].xml"),
                contentTypes({QStringLiteral("/ppt/presentation.xml"), QStringLiteral("officedocument.presentationml.presentation.main+xml"),
                              QStringLiteral("/ppt/slides/slide1.xml"), QStringLiteral("officedocument.presentationml.slide+xml"),
                              QStringLiteral("/ppt/slideLayouts/slideLayout1.xml"), QStringLiteral("officedocument.presentationml.slideLayout+xml"),
                              QStringLiteral("/ppt/slideMasters/slideMaster1.xml"), QStringLiteral("officedocument.presentationml.slideMaster+xml"),
                              QStringLiteral("/ppt/theme/theme1.xml"), QStringLiteral("officedocument.theme+xml")}));
    zip.addFile(QStringLiteral("_rels/.rels"), relationships({s_officeDocument, QStringLiteral("ppt/presentation.xml")}));
    zip.addFile(QStringLiteral("ppt/presentation.xml"),
                xml(QStringLiteral("<p:presentation %1><p:sldMasterIdLst><p:sldMasterId id=\"2147483648\" r:id=\"rId1\"/></p:sldMasterIdLst>"
                                   "<p:sldIdLst><p:sldId id=\"256\" r:id=\"rId2\"/></p:sldIdLst>"
                                   "<p:sldSz cx=\"9144000\" cy=\"6858000\"/><p:notesSz cx=\"6858000\" cy=\"9144000\"/></p:presentation>")
                        .arg(p)));
    zip.addFile(QStringLiteral("ppt/_rels/presentation.xml.rels"),
                relationships({QStringLiteral("officeDocument/2006/relationships/slideMaster"), QStringLiteral("slideMasters/slideMaster1.xml"),
                               QStringLiteral("officeDocument/2006/relationships/slide"), QStringLiteral("slides/slide1.xml"),
                               QStringLiteral("officeDocument/2006/relationships/theme"), QStringLiteral("theme/theme1.xml")}));
    zip.addFile(QStringLiteral("ppt/slides/slide1.xml"), xml(QStringLiteral("<p:sld %1>%2</p:sld>").arg(p, emptyTree.arg(textBox))));
    zip.addFile(QStringLiteral("ppt/slides/_rels/slide1.xml.rels"),
                relationships({QStringLiteral("officeDocument/2006/relationships/slideLayout"), QStringLiteral("../slideLayouts/slideLayout1.xml")}));
    zip.addFile(QStringLiteral("ppt/slideLayouts/slideLayout1.xml"),
                xml(QStringLiteral("<p:sldLayout %1 type=\"blank\">%2</p:sldLayout>").arg(p, emptyTree.arg(QString()))));
    zip.addFile(QStringLiteral("ppt/slideLayouts/_rels/slideLayout1.xml.rels"),
                relationships({QStringLiteral("officeDocument/2006/relationships/slideMaster"), QStringLiteral("../slideMasters/slideMaster1.xml")}));
    zip.addFile(QStringLiteral("ppt/slideMasters/slideMaster1.xml"),
                xml(QStringLiteral("<p:sldMaster %1>%2<p:clrMap bg1=\"lt1\" tx1=\"dk1\" bg2=\"lt2\" tx2=\"dk2\" accent1=\"accent1\" "
                                   "accent2=\"accent2\" accent3=\"accent3\" accent4=\"accent4\" accent5=\"accent5\" accent6=\"accent6\" "
                                   "hlink=\"hlink\" folHlink=\"folHlink\"/>"
                                   "<p:sldLayoutIdLst><p:sldLayoutId id=\"2147483649\" r:id=\"rId1\"/></p:sldLayoutIdLst></p:sldMaster>")
                        .arg(p, emptyTree.arg(QString()))));
    zip.addFile(QStringLiteral("ppt/slideMasters/_rels/slideMaster1.xml.rels"),
                relationships({QStringLiteral("officeDocument/2006/relationships/slideLayout"), QStringLiteral("../slideLayouts/slideLayout1.xml"),
                               QStringLiteral("officeDocument/2006/relationships/theme"), QStringLiteral("../theme/theme1.xml")}));
    zip.addFile(QStringLiteral("ppt/theme/theme1.xml"), xml(theme));
    return zip.finish();
}

QByteArray DemoContent::pngImage(int width, int height)
{
    QByteArray pixels;
    for (int y = 0; y < height; ++y) {
        pixels.append(char(0)); // no filter
        for (int x = 0; x < width; ++x) {
            pixels.append(char(40 + x * 200 / width));
            pixels.append(char(90 + y * 120 / height));
            pixels.append(char(200 - x * 100 / width));
        }
    }
    QByteArray header;
    Bytes::appendBig<quint32>(&header, static_cast<quint32>(width));
    Bytes::appendBig<quint32>(&header, static_cast<quint32>(height));
    header.append("\x08\x02\x00\x00\x00", 5); // 8-bit RGB
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    pngChunk(&png, "IHDR", header);
    pngChunk(&png, "IDAT", zlibStream(pixels));
    pngChunk(&png, "IEND", QByteArray());
    return png;
}

QByteArray DemoContent::bmpImage(int width, int height)
{
    const int rowSize = (width * 3 + 3) / 4 * 4;
    QByteArray pixels;
    for (int y = 0; y < height; ++y) {
        QByteArray row;
        for (int x = 0; x < width; ++x) {
            row.append(char(180 - y * 4));
            row.append(char(60 + x * 5));
            row.append(char(220));
        }
        row.append(QByteArray(rowSize - row.size(), '\0'));
        pixels.append(row);
    }
    QByteArray bmp("BM", 2);
    Bytes::appendLittle<quint32>(&bmp, static_cast<quint32>(54 + pixels.size()));
    Bytes::appendLittle<quint32>(&bmp, 0);
    Bytes::appendLittle<quint32>(&bmp, 54);
    Bytes::appendLittle<quint32>(&bmp, 40);
    Bytes::appendLittle<quint32>(&bmp, static_cast<quint32>(width));
    Bytes::appendLittle<quint32>(&bmp, static_cast<quint32>(height));
    bmp.append("\x01\x00\x18\x00", 4); // one plane, 24 bits
    Bytes::appendLittle<quint32>(&bmp, 0);
    Bytes::appendLittle<quint32>(&bmp, static_cast<quint32>(pixels.size()));
    Bytes::appendLittle<quint32>(&bmp, 2835);
    Bytes::appendLittle<quint32>(&bmp, 2835);
    Bytes::appendLittle<quint32>(&bmp, 0);
    Bytes::appendLittle<quint32>(&bmp, 0);
    return bmp + pixels;
}

QByteArray DemoContent::svgImage(const QString &text)
{
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"200\" height=\"120\" viewBox=\"0 0 200 120\">"
                          "<rect width=\"200\" height=\"120\" rx=\"12\" fill=\"#2f6fb0\"/>"
                          "<text x=\"100\" y=\"66\" font-size=\"18\" text-anchor=\"middle\" fill=\"#ffffff\">%1</text></svg>\n")
        .arg(xmlEscaped(text))
        .toUtf8();
}
