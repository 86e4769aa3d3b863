#include "simulator/multipartparser.h"

QByteArray MultipartParser::boundaryOf(const QByteArray &contentType)
{
    const QList<QByteArray> parameters = contentType.split(';');
    for (const QByteArray &parameter : parameters) {
        const QByteArray trimmed = parameter.trimmed();
        if (trimmed.toLower().startsWith("boundary=")) {
            QByteArray boundary = trimmed.mid(9);
            if (boundary.size() >= 2 && boundary.startsWith('"') && boundary.endsWith('"'))
                boundary = boundary.mid(1, boundary.size() - 2);
            return boundary;
        }
    }
    return QByteArray();
}

QString MultipartParser::dispositionValue(const QByteArray &disposition, const QByteArray &key, bool *found)
{
    *found = false;
    // filename*=UTF-8''percent-encoded wins over the plain form.
    const QByteArray extended = key + "*=";
    int at = disposition.indexOf(extended);
    if (at >= 0) {
        QByteArray value = disposition.mid(at + extended.size());
        value = value.left(value.indexOf(';') < 0 ? value.size() : value.indexOf(';')).trimmed();
        const int quote = value.indexOf("''");
        *found = true;
        return QString::fromUtf8(QByteArray::fromPercentEncoding(quote < 0 ? value : value.mid(quote + 2)));
    }
    // Find key=" at a parameter start, so that name= does not match filename=.
    for (at = disposition.indexOf(key + "="); at >= 0; at = disposition.indexOf(key + "=", at + 1)) {
        if (at == 0 || disposition[at - 1] == ' ' || disposition[at - 1] == ';')
            break;
    }
    if (at < 0)
        return QString();
    int position = at + key.size() + 1;
    *found = true;
    QByteArray value;
    if (position < disposition.size() && disposition[position] == '"') {
        for (++position; position < disposition.size() && disposition[position] != '"'; ++position) {
            if (disposition[position] == '\\' && position + 1 < disposition.size())
                ++position;
            value.append(disposition[position]);
        }
    } else {
        const int end = disposition.indexOf(';', position);
        value = disposition.mid(position, end < 0 ? -1 : end - position).trimmed();
    }
    return QString::fromUtf8(value);
}

bool MultipartParser::parseHeaders(const QByteArray &headers, Part *part)
{
    const QList<QByteArray> lines = headers.split('\n');
    bool disposition = false;
    for (QByteArray line : lines) {
        line = line.trimmed();
        const int colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        const QByteArray name = line.left(colon).trimmed().toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (name == "content-disposition") {
            bool found = false;
            disposition = true;
            part->name = dispositionValue(value, "name", &found);
            part->fileName = dispositionValue(value, "filename", &part->hasFileName);
        } else if (name == "content-type") {
            part->contentType = value;
        }
    }
    return disposition;
}

bool MultipartParser::parse(const QByteArray &contentType, const QByteArray &body, QList<Part> *parts)
{
    const QByteArray boundary = boundaryOf(contentType);
    if (boundary.isEmpty())
        return false;
    const QByteArray delimiter = "--" + boundary;
    int position = body.indexOf(delimiter);
    if (position < 0)
        return false;
    while (true) {
        position += delimiter.size();
        if (body.mid(position, 2) == "--")
            return true;
        if (body.mid(position, 2) != "\r\n")
            return false;
        position += 2;
        const int headersEnd = body.indexOf("\r\n\r\n", position);
        if (headersEnd < 0)
            return false;
        const int next = body.indexOf("\r\n" + delimiter, headersEnd + 4);
        if (next < 0)
            return false;
        Part part;
        if (!parseHeaders(body.mid(position, headersEnd - position), &part))
            return false;
        part.data = body.mid(headersEnd + 4, next - headersEnd - 4);
        parts->append(part);
        position = next + 2;
    }
}
