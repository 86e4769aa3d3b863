#pragma once

#include "simulator/endpointgroup.h"

#include <QHash>

// Edit rights for the online editor, and a small document-server stand-in:
// its editor script and the document bytes it is pointed at.
class EditorApi : public EndpointGroup
{
public:
    using EndpointGroup::EndpointGroup;
    void addRoutes(Router *router) override;

private:
    ApiReply editRights(ApiRequest &request);
    ApiReply editorScript(ApiRequest &request);
    ApiReply editorFile(ApiRequest &request);

    static QString documentType(const QString &extension);

    QHash<QString, int> m_editKeys;   // editor key -> document id
};
