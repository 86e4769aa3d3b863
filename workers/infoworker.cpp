#include "infoworker.h"

InfoWorker::InfoWorker(QObject *parent)
    : Worker(nullptr, nullptr, parent)
{
}

void InfoWorker::reportFailure(const QString &message)
{
    emit workFinished(false, message);
    emit infoReady(QVariantMap());
}
