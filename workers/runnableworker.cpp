#include "runnableworker.h"

#include <QCoreApplication>
#include <QDebug>
#include <QThread>

RunnableWorker::RunnableWorker(Settings *settings, DataAccessObject *dao, QObject *parent)
    : Worker(settings, dao, nullptr)
{
    if (parent)
        qWarning() << "A runnable worker is owned by its run; the parent" << parent << "is not taken";
    // Off before the pool ever sees it: the pool reads the flag when it starts run().
    setAutoDelete(false);
    // A worker created inside another worker's run() would otherwise live on a
    // pool thread without an event loop, and its queued handlers would never run.
    if (QCoreApplication::instance() && thread() != QCoreApplication::instance()->thread())
        moveToThread(QCoreApplication::instance()->thread());
}

void RunnableWorker::run()
{
    startWork();
    release();
}

void RunnableWorker::finishWork(bool success, const QString &message)
{
    if (m_finished)
        return;
    m_finished = true;
    emit workFinished(success, message);
    release();
}

void RunnableWorker::release()
{
    if (!m_holds.deref())
        deleteLater();
}
