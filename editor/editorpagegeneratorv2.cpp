#include "editorpagegeneratorv2.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QStandardPaths>

namespace {

const char s_pageStart[] =
    "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
    "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\"> \n"
    "<html xmlns=\"http://www.w3.org/1999/xhtml\"> \n"
    "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />"
    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\" /><style type=\"text/css\"> \n"
    "    body { height: 100%; margin: 0; } \n"
    "</style> \n"
    "</head><body>\n"
    "<div id=\"placeholder\"> \n"
    "        <script type=\"text/javascript\" src=\"%1/web-apps/apps/api/documents/api.js\"></script> \n"
    "        <script> \n"
    "          new DocsAPI.DocEditor(\"placeholder\",\n";
const char s_pageEnd[] = "); \n</script> \n</body>";

constexpr qint64 s_pageNames = 1000000;

} // namespace

const QHash<QString, EditorPageGeneratorV2::DocumentKind> EditorPageGeneratorV2::s_documentsTypes{
    {QStringLiteral("doc"), DocumentKind::Text},          {QStringLiteral("docm"), DocumentKind::Text},
    {QStringLiteral("docx"), DocumentKind::Text},         {QStringLiteral("docxf"), DocumentKind::Text},
    {QStringLiteral("rtf"), DocumentKind::Text},          {QStringLiteral("odt"), DocumentKind::Text},
    {QStringLiteral("fodt"), DocumentKind::Text},         {QStringLiteral("csv"), DocumentKind::Spreadsheet},
    {QStringLiteral("xls"), DocumentKind::Spreadsheet},   {QStringLiteral("xlsb"), DocumentKind::Spreadsheet},
    {QStringLiteral("xlsm"), DocumentKind::Spreadsheet},  {QStringLiteral("xlsx"), DocumentKind::Spreadsheet},
    {QStringLiteral("ods"), DocumentKind::Spreadsheet},   {QStringLiteral("fods"), DocumentKind::Spreadsheet},
    {QStringLiteral("ppt"), DocumentKind::Presentation},  {QStringLiteral("pptx"), DocumentKind::Presentation},
    {QStringLiteral("odp"), DocumentKind::Presentation},  {QStringLiteral("fodp"), DocumentKind::Presentation}};

bool EditorPageGeneratorV2::isAvailableExtension(const QString &extension)
{
    return s_documentsTypes.contains(extension);
}

QUrl EditorPageGeneratorV2::getPageUrl(const QJsonDocument &json)
{
    const QJsonObject top = json.object();
    const QJsonObject payload = top.value(QStringLiteral("Link")).toObject().value(QStringLiteral("Payload")).toObject();
    const QJsonObject info = top.value(QStringLiteral("Info")).toObject();
    if (top.isEmpty() || top.value(QStringLiteral("Link")).toObject().isEmpty() || payload.isEmpty() || info.isEmpty()) {
        qWarning() << "Error parse EditRights json";
        return QUrl();
    }
    const QString server = scriptServerAddress(info);
    if (server.isEmpty())
        return QUrl();

    QFile page;
    if (!createPageFile(QStandardPaths::writableLocation(QStandardPaths::CacheLocation), &page)) {
        qWarning() << "Error open temp file";
        return QUrl();
    }
    const QByteArray bytes =
        QString::fromUtf8(s_pageStart).arg(server).toUtf8() + scriptSafeJson(payload) + QByteArray(s_pageEnd);
    // Written bytes may wait in the file's buffer: only the flush tells a full disk.
    const bool written = page.write(bytes) == bytes.size() && page.flush();
    page.close();
    if (!written) {
        // A half page would start the editor with a broken configuration.
        qWarning() << "Error write temp file" << page.fileName() << page.errorString();
        page.remove();
        return QUrl();
    }
    qInfo() << "Page generated" << page.fileName();
    return QUrl(page.fileName(), QUrl::TolerantMode);
}

QString EditorPageGeneratorV2::scriptServerAddress(const QJsonObject &info)
{
    const QString address = info.value(QStringLiteral("DocServerUrl")).toString();
    const QUrl url(address, QUrl::StrictMode);
    const bool web = url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
    if (!url.isValid() || !web || url.host().isEmpty()) {
        qWarning() << "Error parse EditRights json: the document server address is not an http or https address"
                   << address;
        return QString();
    }
    return address.toHtmlEscaped();
}

QByteArray EditorPageGeneratorV2::scriptSafeJson(const QJsonObject &payload)
{
    // "<" only occurs inside JSON strings, where its escape reads the same;
    // the line separators end a script line in older engines.
    QByteArray json = QJsonDocument(payload).toJson(QJsonDocument::Compact);
    json.replace('<', QByteArrayLiteral("\\u003c"));
    json.replace(QByteArrayLiteral("\xE2\x80\xA8"), QByteArrayLiteral("\\u2028"));
    json.replace(QByteArrayLiteral("\xE2\x80\xA9"), QByteArrayLiteral("\\u2029"));
    return json;
}

bool EditorPageGeneratorV2::createPageFile(const QString &directory, QFile *file)
{
    if (directory.isEmpty() || !QDir().mkpath(directory))
        return false;
    const qint64 first = QDateTime::currentMSecsSinceEpoch() % s_pageNames;
    for (qint64 step = 0; step < s_pageNames; ++step) {
        file->setFileName(QStringLiteral("%1/page_%2.html").arg(directory).arg((first + step) % s_pageNames));
        // Created only when no file has the name, so an open page is never overwritten.
        if (file->open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return true;
        if (!file->exists())
            return false;
    }
    return false;
}
