#pragma once

#include "controllers/connectioncontroller.h"
#include "workers/latestrequest.h"

#include <QJsonDocument>
#include <QSet>
#include <QString>
#include <QUrl>
#include <QVariantMap>

// The editor page: asks the portal for a document's edit rights, writes the
// local page that starts the online editor and hands its location to the
// web view. Removes the pages it wrote when it goes.
class DocumentEditorPageController : public ConnectionController
{
    Q_OBJECT
public:
    explicit DocumentEditorPageController(QObject *parent = nullptr);
    ~DocumentEditorPageController() override;

    Q_INVOKABLE void prepareEditorPage(int documentId);
    // Whether a document of this name opens in the editor.
    Q_INVOKABLE bool isAvailableExtension(const QString &documentName) const;
    // Whether the web view may follow a link: to the document server of the
    // settings, or to the page itself.
    Q_INVOKABLE bool testUrl(const QString &url) const;

    void generatePageFromJson(const QJsonDocument &json);

signals:
    void linkReady(const QUrl &documentLink);

public slots:
    void handleEditRights(const QVariantMap &response);

private:
    LatestRequest m_latest;
    QSet<QUrl> m_pages;
    QString m_lastPage;
};
