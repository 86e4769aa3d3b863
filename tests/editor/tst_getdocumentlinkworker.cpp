#include "editor/getdocumentlinkworker.h"
#include "settings/settings.h"
#include "simulatorprocess.h"
#include "testenvironment.h"

#include <QJsonArray>
#include <QtTest>

class TestGetDocumentLinkWorker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_simulator.start());
        Settings settings;
        settings.savePortalAddress(m_simulator.baseUrl());
        settings.saveAccessToken(m_simulator.validAccessToken());
    }

    void cleanup()
    {
        QVERIFY(m_simulator.clearFaults());
    }

    void linkOfADocument()
    {
        GetDocumentLinkWorker worker;
        QStringList order;
        QString finishedWith;
        QVariantList uri;
        connect(&worker, &Worker::workFinished, this, [&](bool success, const QString &message) {
            order << QStringLiteral("workFinished %1").arg(success);
            finishedWith = message;
        });
        connect(&worker, &GetDocumentLinkWorker::uriReady, this,
                [&](const QString &link, const QString &uri_, const QString &uid, int version, const QString &userId,
                    const QString &jwt) {
                    order << QStringLiteral("uriReady");
                    uri = {link, uri_, uid, version, userId, jwt};
                });
        worker.getDocumentCustomLink(1002, DocumentLink::DefaultExternal, DocumentLink::Write, EntityTypes::Document);
        QTRY_COMPARE_WITH_TIMEOUT(order.size(), 2, 10000);
        QCOMPARE(order, (QStringList{QStringLiteral("workFinished 1"), QStringLiteral("uriReady")}));

        const QJsonObject request = m_simulator.requests().last().toObject();
        QCOMPARE(request.value(QStringLiteral("target")).toString(),
                 QStringLiteral("/api/v1/Link/Generate?Id=1002&type=2&lifetime=10&accessType=5"));
        // What the portal answered, field by field, and the link as the success message.
        const QString uid = uri.value(2).toString();
        QVERIFY(!uid.isEmpty());
        QCOMPARE(uri.value(0).toString(), m_simulator.baseUrl() + QStringLiteral("/link/") + uid);
        QCOMPARE(uri.value(1).toString(), m_simulator.baseUrl() + QStringLiteral("/s/") + uid);
        QCOMPARE(finishedWith, uri.value(0).toString());
        QCOMPARE(uri.value(4).toString(), QStringLiteral("1"));
    }

    void failureReportsNoLink()
    {
        const QJsonObject body{{QStringLiteral("Status"), 403}, {QStringLiteral("ErrorMessage"), QStringLiteral("Access denied")}};
        QVERIFY(m_simulator.setFault(QStringLiteral("/api/v1/Link/Generate"),
                                     {{QStringLiteral("status"), 403}, {QStringLiteral("body"), body}}));
        GetDocumentLinkWorker worker;
        QSignalSpy finished(&worker, &Worker::workFinished);
        QSignalSpy uri(&worker, &GetDocumentLinkWorker::uriReady);
        worker.getDocumentCustomLink(1002, DocumentLink::DefaultExternal, DocumentLink::Read, EntityTypes::Document);
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.first().value(0).toBool(), false);
        QVERIFY(finished.first().value(1).toString().contains(QStringLiteral("Access denied")));
        QTest::qWait(100);
        QCOMPARE(uri.count(), 0);
        QCOMPARE(finished.count(), 1);
    }

private:
    SimulatorProcess m_simulator;
};

VELLIX_TEST_MAIN(TestGetDocumentLinkWorker, QCoreApplication)
#include "tst_getdocumentlinkworker.moc"
