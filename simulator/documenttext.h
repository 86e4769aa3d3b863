#pragma once

#include <QByteArray>
#include <QString>

// The text the document server stand-in shows and edits: the reverse of
// DemoContent::bytesFor for the office documents (paragraphs, slide
// paragraphs, rows of ";"-separated cells as lines), the bytes as UTF-8 for
// everything else.
class DocumentText
{
public:
    static QString of(const QString &name, const QByteArray &bytes);

private:
    static QByteArray zipEntry(const QByteArray &archive, const char *path);
    // Lines of the elements named line, with cells of a line joined by ";".
    static QString textOf(const QByteArray &xml, const QString &line, const QString &cell);
};
