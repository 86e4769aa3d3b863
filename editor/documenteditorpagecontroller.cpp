#include "documenteditorpagecontroller.h"

#include "editor/editorpagegeneratorv2.h"
#include "editor/editrightsrequestv2.h"
#include "settings/settings.h"
#include "workers/requestoutcome.h"

#include <QFile>

DocumentEditorPageController::DocumentEditorPageController(QObject *parent)
    : ConnectionController(parent)
{
}

DocumentEditorPageController::~DocumentEditorPageController()
{
    for (const QUrl &page : qAsConst(m_pages))
        QFile::remove(page.toString());
}

void DocumentEditorPageController::prepareEditorPage(int documentId)
{
    setConnectionInProgress(true);
    setConnectionFailed(false);
    // The pool owns the request: a page closed before the answer must not
    // free a request that is still running. Only the latest answer counts.
    m_latest.start(this, new EditRightsRequestV2(documentId, QString()), &DocumentEditorPageController::handleEditRights);
}

void DocumentEditorPageController::handleEditRights(const QVariantMap &response)
{
    if (!RequestOutcome::succeeded(response)) {
        setConnectionInProgress(false);
        setConnectionFailed(true);
        return;
    }
    generatePageFromJson(response.value(QStringLiteral("json")).toJsonDocument());
    setConnectionInProgress(false);
    setConnectionFailed(false);
}

void DocumentEditorPageController::generatePageFromJson(const QJsonDocument &json)
{
    const QUrl page = EditorPageGeneratorV2::getPageUrl(json);
    if (!page.isEmpty())
        m_pages.insert(page);
    m_lastPage = page.toString();
    emit linkReady(page);
}

bool DocumentEditorPageController::isAvailableExtension(const QString &documentName) const
{
    return EditorPageGeneratorV2::isAvailableExtension(documentName.split(QLatin1Char('.')).last());
}

bool DocumentEditorPageController::testUrl(const QString &url) const
{
    // An empty text is found in any URL: it must not let the view go anywhere.
    const QString server = m_settings ? m_settings->documentServerAddress() : QString();
    return (!server.isEmpty() && url.contains(server)) || (!m_lastPage.isEmpty() && url.contains(m_lastPage));
}
