#include "simulator/transferapi.h"

#include "simulator/democontent.h"
#include "simulator/multipartparser.h"
#include "simulator/pdfwriter.h"
#include "simulator/zipwriter.h"

#include <QUrl>

namespace {
const QStringList &convertibleExtensions()
{
    static const QStringList extensions{QStringLiteral("doc"), QStringLiteral("docx"), QStringLiteral("odt"), QStringLiteral("rtf"),
                                        QStringLiteral("txt"), QStringLiteral("xls"), QStringLiteral("xlsx"), QStringLiteral("ods"),
                                        QStringLiteral("csv"), QStringLiteral("ppt"), QStringLiteral("pptx"), QStringLiteral("odp")};
    return extensions;
}

QString baseName(const QString &name)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return dot <= 0 ? name : name.left(dot);
}
} // namespace

void TransferApi::addRoutes(Router *router)
{
    const auto signedIn = Router::Access::SignedIn;
    add(router, "GET", v1("Documents/Download"), signedIn, &TransferApi::download);
    add(router, "POST", v1("Documents/Upload"), signedIn, &TransferApi::upload);
    add(router, "GET", v1("Documents/Convert"), signedIn, &TransferApi::convert);
    add(router, "GET", v1("DocumentDirectory/Archive"), signedIn, &TransferApi::archive);
    add(router, "GET", v1("UserTask"), signedIn, &TransferApi::taskStatus);
    add(router, "GET", v1("UserTask/Download"), signedIn, &TransferApi::taskDownload);
    add(router, "POST", v1("Documents/UploadCallback"), Router::Access::Public, &TransferApi::uploadCallback);
}

ApiReply TransferApi::attachment(const QByteArray &data, const QString &mimeType, const QString &fileName)
{
    ApiReply reply = ApiReply::bytes(data, mimeType.toUtf8());
    reply.headers.insert("Content-Disposition",
                         "attachment; filename*=UTF-8''" + QUrl::toPercentEncoding(fileName));
    return reply;
}

ApiReply TransferApi::download(ApiRequest &request)
{
    int id = 0;
    ApiReply refusal;
    if (!readableFromQuery(request, QStringLiteral("id"), EntityKind::Document, &id, &refusal))
        return refusal;
    const DocumentRecord &document = state().documents[id];
    state().touch(id);
    if (request.queryValue(QStringLiteral("offline")) == QLatin1String("true")) {
        if (document.offlineFileId > 0)
            return attachment(state().files()->read(document.offlineFileId), QStringLiteral("application/pdf"),
                              baseName(document.name) + QStringLiteral(".pdf"));
        if (DemoContent::extensionOf(document.name) != QLatin1String("pdf"))
            return ApiReply::notFound(QStringLiteral("Document %1 has no offline copy; convert it first").arg(id));
    }
    return attachment(state().files()->read(document.fileId), document.mimeType, document.name);
}

ApiReply TransferApi::upload(ApiRequest &request)
{
    bool ok = false;
    const int folderId = request.header(QStringLiteral("DirectoryId")).toInt(&ok);
    if (!ok)
        return ApiReply::badRequest(QStringLiteral("The \"DirectoryId\" header is missing"));
    if (!state().folders.contains(folderId))
        return ApiReply::notFound(QStringLiteral("Folder %1 not found").arg(folderId));
    if (!state().acceptsContent(request.userId, folderId))
        return ApiReply::forbidden();
    QList<MultipartParser::Part> parts;
    if (!MultipartParser::parse(request.header(QStringLiteral("Content-Type")).toUtf8(), request.body, &parts))
        return ApiReply::badRequest(QStringLiteral("The body is not multipart form data"));
    QJsonArray created;
    for (const MultipartParser::Part &part : parts) {
        if (!part.hasFileName)
            continue;
        const QString name = part.fileName.section(QLatin1Char('/'), -1).section(QLatin1Char('\\'), -1).trimmed();
        if (name.isEmpty())
            return ApiReply::badRequest(QStringLiteral("An uploaded file has no name"));
        const int documentId = state().createDocument(folderId, state().freeDocumentName(folderId, name), request.userId, part.data);
        created.append(json(request).document(documentId));
    }
    if (created.isEmpty())
        return ApiReply::badRequest(QStringLiteral("The body holds no file"));
    return ApiReply::json(created);
}

QByteArray TransferApi::pdfOf(int documentId) const
{
    const DocumentRecord &document = state().documents[documentId];
    const QString extension = DemoContent::extensionOf(document.name);
    QStringList lines{QStringLiteral("Converted from %1").arg(document.name),
                      QStringLiteral("Size: %1 bytes").arg(state().files()->size(document.fileId))};
    if (extension == QLatin1String("txt") || extension == QLatin1String("csv"))
        lines += QString::fromUtf8(state().files()->read(document.fileId)).split(QLatin1Char('\n'));
    return PdfWriter::document(baseName(document.name), lines);
}

ApiReply TransferApi::convert(ApiRequest &request)
{
    int id = 0;
    ApiReply refusal;
    if (!readableFromQuery(request, QStringLiteral("id"), EntityKind::Document, &id, &refusal))
        return refusal;
    if (!convertibleExtensions().contains(DemoContent::extensionOf(state().documents[id].name)))
        return ApiReply::badRequest(QStringLiteral("%1 cannot be converted to PDF").arg(state().documents[id].name));
    const int taskId = m_context->tasks.create(request.userId, QStringLiteral("convert"), [this, id] {
        if (!state().documents.contains(id))
            return ServerTasks::Outcome{false, QStringLiteral("Document %1 not found").arg(id), 0};
        DocumentRecord &document = state().documents[id];
        const QByteArray pdf = pdfOf(id);
        state().files()->remove(document.offlineFileId);
        document.offlineFileId = state().files()->store(pdf);
        return ServerTasks::Outcome{true, QString(), state().files()->store(pdf)};
    });
    return ApiReply::json(QJsonObject{{QStringLiteral("TaskId"), taskId}});
}

void TransferApi::addToArchive(ZipWriter *zip, int folderId, const QString &prefix, int userId) const
{
    zip->addDirectory(prefix);
    for (const int id : state().childDocuments(folderId)) {
        if (state().canRead(userId, EntityKind::Document, id))
            zip->addFile(prefix + state().documents[id].name, state().files()->read(state().documents[id].fileId));
    }
    for (const int id : state().childFolders(folderId)) {
        if (state().canRead(userId, EntityKind::Directory, id))
            addToArchive(zip, id, prefix + state().folders[id].name + QLatin1Char('/'), userId);
    }
}

ApiReply TransferApi::archive(ApiRequest &request)
{
    int id = 0;
    ApiReply refusal;
    if (!readableFromQuery(request, QStringLiteral("Id"), EntityKind::Directory, &id, &refusal))
        return refusal;
    const int userId = request.userId;
    const int taskId = m_context->tasks.create(userId, QStringLiteral("archive"), [this, id, userId] {
        if (!state().folders.contains(id))
            return ServerTasks::Outcome{false, QStringLiteral("Folder %1 not found").arg(id), 0};
        ZipWriter zip;
        addToArchive(&zip, id, state().folders[id].name + QLatin1Char('/'), userId);
        return ServerTasks::Outcome{true, QString(), state().files()->store(zip.finish())};
    });
    return ApiReply::json(QJsonObject{{QStringLiteral("TaskId"), taskId}});
}

ApiReply TransferApi::taskStatus(ApiRequest &request)
{
    int id = 0;
    request.queryInt(QStringLiteral("Id"), &id);
    const ServerTasks::Task *task = m_context->tasks.poll(id, request.userId);
    if (!task)
        return ApiReply::notFound(QStringLiteral("Task %1 not found").arg(id));
    return ApiReply::json(QJsonObject{{QStringLiteral("Id"), task->id},
                                      {QStringLiteral("Status"), task->status},
                                      {QStringLiteral("Percent"), task->percent},
                                      {QStringLiteral("Error"), task->outcome.error}});
}

ApiReply TransferApi::taskDownload(ApiRequest &request)
{
    int id = 0;
    request.queryInt(QStringLiteral("Id"), &id);
    const ServerTasks::Task *task = m_context->tasks.find(id, request.userId);
    if (!task)
        return ApiReply::notFound(QStringLiteral("Task %1 not found").arg(id));
    if (task->status != ServerTasks::s_done || task->outcome.resultFileId == 0)
        return ApiReply::badRequest(QStringLiteral("Task %1 has no result to download").arg(id));
    const bool isArchive = task->kind == QLatin1String("archive");
    return attachment(state().files()->read(task->outcome.resultFileId),
                      isArchive ? QStringLiteral("application/zip") : QStringLiteral("application/pdf"),
                      QStringLiteral("%1.%2").arg(id).arg(isArchive ? QStringLiteral("zip") : QStringLiteral("pdf")));
}

ApiReply TransferApi::uploadCallback(ApiRequest &request)
{
    // The document server reports editing states; nothing to store here.
    if (!request.json().isObject())
        return ApiReply::badRequest(QStringLiteral("The callback body is not JSON"));
    return ApiReply::json(QJsonObject{{QStringLiteral("error"), 0}});
}
