#include "simulator/documenttext.h"

#include "simulator/democontent.h"

#include <QStringList>
#include <QXmlStreamReader>

#include <zip.h>

QString DocumentText::of(const QString &name, const QByteArray &bytes)
{
    const QString extension = DemoContent::extensionOf(name);
    if (extension == QLatin1String("docx"))
        return textOf(zipEntry(bytes, "word/document.xml"), QStringLiteral("p"), QString());
    if (extension == QLatin1String("pptx"))
        return textOf(zipEntry(bytes, "ppt/slides/slide1.xml"), QStringLiteral("p"), QString());
    if (extension == QLatin1String("xlsx"))
        return textOf(zipEntry(bytes, "xl/worksheets/sheet1.xml"), QStringLiteral("row"), QStringLiteral("c"));
    return QString::fromUtf8(bytes);
}

QByteArray DocumentText::zipEntry(const QByteArray &archive, const char *path)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(archive.constData(), zip_uint64_t(archive.size()), 0, &error);
    zip_t *zip = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    QByteArray contents;
    if (zip) {
        zip_stat_t stat;
        zip_file_t *file = zip_stat(zip, path, 0, &stat) == 0 ? zip_fopen(zip, path, 0) : nullptr;
        if (file) {
            contents.resize(int(stat.size));
            if (zip_fread(file, contents.data(), stat.size) != zip_int64_t(stat.size))
                contents.clear();
            zip_fclose(file);
        }
        zip_discard(zip);   // also frees the source
    } else if (source) {
        zip_source_free(source);
    }
    zip_error_fini(&error);
    return contents;
}

QString DocumentText::textOf(const QByteArray &xml, const QString &line, const QString &cell)
{
    QStringList lines;
    QString current;
    bool firstCell = true;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            if (reader.name() == line) {
                current.clear();
                firstCell = true;
            } else if (!cell.isEmpty() && reader.name() == cell) {
                if (!firstCell)
                    current += QLatin1Char(';');
                firstCell = false;
            } else if (reader.name() == QLatin1String("t") || reader.name() == QLatin1String("v")) {
                current += reader.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        } else if (reader.isEndElement() && reader.name() == line) {
            lines.append(current);
        }
    }
    return lines.join(QLatin1Char('\n'));
}
