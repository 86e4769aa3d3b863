#include "supportworker.h"

#include "requests/supportrequest.h"


SupportWorker::SupportWorker(Settings *settings, QObject *parent)
    : Worker(settings, nullptr, parent)
{
}

void SupportWorker::sendFeedback(const QString &portalAddress, const QString &email, const QString &subject,
                                 const QString &text)
{
    startRequest(new SupportRequest(SupportRequest::SupportData{portalAddress, email, subject, text}), &SupportWorker::handleFeedback);
}

void SupportWorker::handleFeedback(const QVariantMap &response)
{
    emit workFinished(response.value(QStringLiteral("success")).toBool(),
                      response.value(QStringLiteral("error")).toString());
}
