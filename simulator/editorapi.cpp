#include "simulator/editorapi.h"

#include "simulator/democontent.h"
#include "simulator/documenttext.h"

#include <QFile>
#include <QUuid>

namespace {
constexpr int s_linkEditAccess = 4;
}

void EditorApi::addRoutes(Router *router)
{
    add(router, "GET", v1("Documents/EditRights"), Router::Access::SignedIn, &EditorApi::editRights);
    add(router, "GET", QStringLiteral("/docserver/web-apps/apps/api/documents/api.js"), Router::Access::Public, &EditorApi::editorScript);
    add(router, "GET", QStringLiteral("/docserver/web-apps/apps/documenteditor/editor.html"), Router::Access::Public, &EditorApi::editorFrame);
    add(router, "GET", QStringLiteral("/docserver/files"), Router::Access::Public, &EditorApi::editorFile);
    add(router, "POST", QStringLiteral("/docserver/files"), Router::Access::Public, &EditorApi::editorSave);
}

QString EditorApi::documentType(const QString &extension)
{
    static const QStringList cells{QStringLiteral("csv"), QStringLiteral("xls"), QStringLiteral("xlsb"), QStringLiteral("xlsm"),
                                   QStringLiteral("xlsx"), QStringLiteral("ods"), QStringLiteral("fods")};
    static const QStringList slides{QStringLiteral("ppt"), QStringLiteral("pptx"), QStringLiteral("odp"), QStringLiteral("fodp")};
    if (cells.contains(extension))
        return QStringLiteral("cell");
    if (slides.contains(extension))
        return QStringLiteral("slide");
    return extension == QLatin1String("pdf") ? QStringLiteral("pdf") : QStringLiteral("word");
}

ApiReply EditorApi::editRights(ApiRequest &request)
{
    int documentId = 0;
    bool canEdit = false;
    if (request.queryInt(QStringLiteral("Id"), &documentId) && documentId > 0) {
        ApiReply refusal;
        if (!readableFromQuery(request, QStringLiteral("Id"), EntityKind::Document, &documentId, &refusal))
            return refusal;
        canEdit = state().canWrite(request.userId, EntityKind::Document, documentId);
    } else {
        const QString uid = request.queryValue(QStringLiteral("Uid"));
        const LinkRecord *found = nullptr;
        for (const ShareRecord &share : state().shares) {
            for (const LinkRecord &link : share.links) {
                if (!uid.isEmpty() && link.uid == uid && link.entityType == EntityKind::Document)
                    found = &link;
            }
        }
        if (!found)
            return ApiReply::notFound(QStringLiteral("No document has the link \"%1\"").arg(uid));
        documentId = found->entityId;
        canEdit = found->accessType >= s_linkEditAccess;
    }
    const DocumentRecord &document = state().documents[documentId];
    state().touch(documentId);
    const QString key = QUuid::createUuid().toString(QUuid::WithoutBraces);
    m_editKeys.insert(key, EditSession{documentId, canEdit});
    const QString extension = DemoContent::extensionOf(document.name);
    const UserRecord user = state().users.value(request.userId);
    const QJsonObject payload{
        {QStringLiteral("document"),
         QJsonObject{{QStringLiteral("fileType"), extension},
                     {QStringLiteral("key"), key},
                     {QStringLiteral("title"), document.name},
                     {QStringLiteral("url"), documentServerUrl(request) + QStringLiteral("/files?key=") + key},
                     {QStringLiteral("permissions"), QJsonObject{{QStringLiteral("edit"), canEdit}, {QStringLiteral("download"), true}}}}},
        {QStringLiteral("documentType"), documentType(extension)},
        {QStringLiteral("editorConfig"),
         QJsonObject{{QStringLiteral("mode"), canEdit ? QStringLiteral("edit") : QStringLiteral("view")},
                     {QStringLiteral("lang"), QStringLiteral("en")},
                     {QStringLiteral("callbackUrl"), request.baseUrl + QStringLiteral("/api/v1/Documents/UploadCallback?key=") + key},
                     {QStringLiteral("user"), QJsonObject{{QStringLiteral("id"), QString::number(user.id)}, {QStringLiteral("name"), user.name}}}}},
        {QStringLiteral("type"), QStringLiteral("mobile")},
        {QStringLiteral("width"), QStringLiteral("100%")},
        {QStringLiteral("height"), QStringLiteral("100%")},
        {QStringLiteral("token"), QStringLiteral("jwt-") + key}};
    return ApiReply::json(QJsonObject{
        {QStringLiteral("Link"), QJsonObject{{QStringLiteral("Payload"), payload}}},
        {QStringLiteral("Info"), QJsonObject{{QStringLiteral("DocServerUrl"), documentServerUrl(request)},
                                             {QStringLiteral("DocumentId"), documentId},
                                             {QStringLiteral("Name"), document.name},
                                             {QStringLiteral("CanEdit"), canEdit}}}});
}

ApiReply EditorApi::resource(const QString &path, const QByteArray &contentType)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ApiReply::error(500, QStringLiteral("%1 is missing").arg(path));
    return ApiReply::bytes(file.readAll(), contentType);
}

ApiReply EditorApi::editorScript(ApiRequest &)
{
    return resource(QStringLiteral(":/docserver/api.js"), "application/javascript");
}

ApiReply EditorApi::editorFrame(ApiRequest &)
{
    return resource(QStringLiteral(":/docserver/editor.html"), "text/html; charset=utf-8");
}

bool EditorApi::sessionOf(const ApiRequest &request, EditSession *session, ApiReply *refusal) const
{
    *session = m_editKeys.value(request.queryValue(QStringLiteral("key")));
    if (state().documents.contains(session->documentId))
        return true;
    *refusal = ApiReply::notFound(QStringLiteral("Unknown editor key"));
    return false;
}

ApiReply EditorApi::editorFile(ApiRequest &request)
{
    EditSession session;
    ApiReply refusal;
    if (!sessionOf(request, &session, &refusal))
        return refusal;
    const DocumentRecord &document = state().documents[session.documentId];
    const QByteArray bytes = state().files()->read(document.fileId);
    if (request.queryValue(QStringLiteral("format")) == QLatin1String("txt"))
        return ApiReply::bytes(DocumentText::of(document.name, bytes).toUtf8(), "text/plain; charset=utf-8");
    return ApiReply::bytes(bytes, document.mimeType.toUtf8());
}

ApiReply EditorApi::editorSave(ApiRequest &request)
{
    EditSession session;
    ApiReply refusal;
    if (!sessionOf(request, &session, &refusal))
        return refusal;
    if (!session.canEdit)
        return ApiReply::forbidden();
    // The edited text becomes a genuine document of the same kind again.
    DocumentRecord &document = state().documents[session.documentId];
    const int fileId = state().files()->store(DemoContent::bytesFor(document.name, QString::fromUtf8(request.body)));
    if (fileId == 0)
        return ApiReply::error(500, QStringLiteral("The document cannot be stored"));
    state().files()->remove(document.fileId);
    document.fileId = fileId;
    document.modified = QDateTime::currentDateTimeUtc();
    return ApiReply::json(QJsonObject{{QStringLiteral("error"), 0}});
}
