#include "getdocumentinfoworker.h"

#include "logging/eventlogger.h"
#include "requests/getdocumentinforequest.h"
#include "workers/requestoutcome.h"

#include <QDebug>

GetDocumentInfoWorker::GetDocumentInfoWorker(QObject *parent)
    : InfoWorker(parent)
{
}

void GetDocumentInfoWorker::getDocumentInfo(int documentId)
{
    m_requests.start(this, new GetDocumentInfoRequest(documentId), &GetDocumentInfoWorker::handleDocumentInfo);
}

void GetDocumentInfoWorker::handleDocumentInfo(const QVariantMap &response)
{
    if (!RequestOutcome::succeeded(response)) {
        reportFailure(RequestOutcome::failureMessage(response));
        return;
    }
    emit workFinished(true, QString());
    const QVariantMap info = response.value(QStringLiteral("info")).toMap();
    qInfo().noquote() << "Reply" << EventLogger::variantMapToJsonString(info);
    emit infoReady(info);
}
