#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Splits a multipart/form-data body into its parts.
class MultipartParser
{
public:
    struct Part
    {
        QString name;
        QString fileName;
        bool hasFileName = false;
        QByteArray contentType;
        QByteArray data;
    };

    // False when the content type has no boundary or the body is malformed.
    static bool parse(const QByteArray &contentType, const QByteArray &body, QList<Part> *parts);

private:
    static QByteArray boundaryOf(const QByteArray &contentType);
    static bool parseHeaders(const QByteArray &headers, Part *part);
    static QString dispositionValue(const QByteArray &disposition, const QByteArray &key, bool *found);
};
