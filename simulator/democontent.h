#pragma once

#include <QByteArray>
#include <QString>

// Real file bytes for a document name: office documents, PDF, text and
// images, so that downloads, conversions and archives carry genuine files.
class DemoContent
{
public:
    // The bytes of a document of the name's kind holding the text; an empty
    // text makes a blank document (what "create" gives).
    static QByteArray bytesFor(const QString &name, const QString &text);
    static QString mimeTypeOf(const QString &name);
    static QString extensionOf(const QString &name);

private:
    static QByteArray wordDocument(const QString &text);
    static QByteArray spreadsheet(const QString &text);
    static QByteArray presentation(const QString &text);
    static QByteArray pngImage(int width, int height);
    static QByteArray bmpImage(int width, int height);
    static QByteArray svgImage(const QString &text);
};
