#include "simulator/editorapi.h"

#include "simulator/democontent.h"

#include <QUuid>

namespace {
constexpr int s_linkEditAccess = 4;
}

void EditorApi::addRoutes(Router *router)
{
    add(router, "GET", v1("Documents/EditRights"), Router::Access::SignedIn, &EditorApi::editRights);
    add(router, "GET", QStringLiteral("/docserver/web-apps/apps/api/documents/api.js"), Router::Access::Public, &EditorApi::editorScript);
    add(router, "GET", QStringLiteral("/docserver/files"), Router::Access::Public, &EditorApi::editorFile);
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
    m_editKeys.insert(key, documentId);
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

ApiReply EditorApi::editorScript(ApiRequest &)
{
    // Shows what the real editor would open, so the client's page can be
    // seen working end to end.
    static const QByteArray script = R"(window.DocsAPI = {
  DocEditor: function (placeholderId, config) {
    var place = document.getElementById(placeholderId);
    var title = document.createElement("h2");
    title.textContent = config.document.title;
    var mode = document.createElement("p");
    mode.textContent = "Document server stand-in, " + config.editorConfig.mode + " mode, " + config.documentType;
    var link = document.createElement("a");
    link.href = config.document.url;
    link.textContent = "Download";
    place.appendChild(title);
    place.appendChild(mode);
    place.appendChild(link);
    this.config = config;
  }
};
)";
    return ApiReply::bytes(script, "application/javascript");
}

ApiReply EditorApi::editorFile(ApiRequest &request)
{
    const int documentId = m_editKeys.value(request.queryValue(QStringLiteral("key")));
    if (!state().documents.contains(documentId))
        return ApiReply::notFound(QStringLiteral("Unknown editor key"));
    const DocumentRecord &document = state().documents[documentId];
    return ApiReply::bytes(state().files()->read(document.fileId), document.mimeType.toUtf8());
}
