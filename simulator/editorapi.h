#pragma once

#include "simulator/endpointgroup.h"

#include <QHash>

// Edit rights for the online editor, and a small document-server stand-in:
// its editor script and the editor frame that script opens, the document it
// is pointed at (bytes, or text with "format=txt"), and saving edited text
// back into the document.
class EditorApi : public EndpointGroup
{
public:
    using EndpointGroup::EndpointGroup;
    void addRoutes(Router *router) override;

private:
    ApiReply editRights(ApiRequest &request);
    ApiReply editorScript(ApiRequest &request);
    ApiReply editorFrame(ApiRequest &request);
    ApiReply editorFile(ApiRequest &request);
    ApiReply editorSave(ApiRequest &request);

    struct EditSession
    {
        int documentId = 0;
        bool canEdit = false;
    };
    // The session of the request's "key"; false with the refusal when unknown.
    bool sessionOf(const ApiRequest &request, EditSession *session, ApiReply *refusal) const;
    static ApiReply resource(const QString &path, const QByteArray &contentType);

    static QString documentType(const QString &extension);

    QHash<QString, EditSession> m_editKeys;   // editor key -> session
};
