#include "getserversettingsworker.h"

#include "requests/getserversettingsrequest.h"
#include "settings/settings.h"


GetServerSettingsWorker::GetServerSettingsWorker(Settings *settings, QObject *parent)
    : RunnableWorker(settings, nullptr, parent)
{
}

void GetServerSettingsWorker::startWork()
{
    startRequest(new GetServerSettingsRequest(), &GetServerSettingsWorker::handleGetServerSettings);
}

void GetServerSettingsWorker::handleGetServerSettings(const QVariantMap &response)
{
    if (!response.value(QStringLiteral("success")).toBool()) {
        finishWork(false, response.value(QStringLiteral("error")).toString());
        return;
    }
    finishWork(true);
    // The worker is released only from the event loop, after this handler.
    m_settings->saveDocumentServerAddress(
        response.value(QStringLiteral("documentServer")).toMap().value(QStringLiteral("Url")).toString());
}
