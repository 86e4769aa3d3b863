#include "loadingfixture.h"
#include "requests/getdocumentinforequest.h"
#include "requests/portalexchange.h"
#include "testenvironment.h"
#include "workers/servertaskpoller.h"

#include <QCoreApplication>
#include <QThreadPool>
#include <QtTest>

// On quit the portal calls in flight end at once, those started later too,
// and no server task is polled any more. The switch is for the whole process,
// so it has a suite of its own.
class TestQuitStopsPolling : public QObject
{
    Q_OBJECT
private:
    LoadingFixture m_fixture;

    int polls()
    {
        return m_fixture.receivedRequests().filter(QStringLiteral("/api/v1/UserTask")).size();
    }

private slots:
    void callsEndAndPollingStops()
    {
        QVERIFY(m_fixture.start());
        QVERIFY(m_fixture.simulator().setTaskSteps(1000000));
        ServerTaskPoller::setPollInterval(20);
        const int taskId = m_fixture.portal("GET", QStringLiteral("/api/v1/DocumentDirectory/Archive?Id=110"))
                               .object()
                               .value(QStringLiteral("TaskId"))
                               .toInt();
        QVERIFY(taskId > 0);
        ServerTaskPoller poller(nullptr);
        QSignalSpy finished(&poller, &ServerTaskPoller::taskFinished);
        poller.start(taskId);
        QTRY_VERIFY_WITH_TIMEOUT(polls() >= 2, 10000);

        QVERIFY(m_fixture.fail(PortalPath::s_documentInfo, {{"mode", "hang"}}));
        auto *stalled = new GetDocumentInfoRequest(1001);
        QSignalSpy ended(stalled, &RequestInterface::requestFinished);
        QThreadPool::globalInstance()->start(stalled);
        QTRY_VERIFY_WITH_TIMEOUT(!m_fixture.receivedRequests().filter(PortalPath::s_documentInfo).isEmpty(), 10000);

        PortalExchange::cancelAll();
        // The call may end before a wait() would start listening, so the spy's record is awaited.
        QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 20000);
        QCOMPARE(ended.first().first().toMap().value(QStringLiteral("success")).toBool(), false);
        // A request started from now on ends as well, though the portal still stalls.
        auto *late = new GetDocumentInfoRequest(1002);
        QSignalSpy lateEnded(late, &RequestInterface::requestFinished);
        QThreadPool::globalInstance()->start(late);
        QTRY_COMPARE_WITH_TIMEOUT(lateEnded.size(), 1, 20000);
        QCOMPARE(lateEnded.first().first().toMap().value(QStringLiteral("success")).toBool(), false);

        // A poll that was under way may still report its end; none follows.
        const int polled = polls();
        QTest::qWait(10 * ServerTaskPoller::pollInterval());
        QCOMPARE(polls(), polled);
        QVERIFY(finished.size() <= 1);
    }
};

VELLIX_TEST_MAIN(TestQuitStopsPolling, QCoreApplication)
#include "tst_quitstopspolling.moc"
