#include "portalcall.h"
#include "simulatorprocess.h"
#include "testenvironment.h"

#include <QJsonArray>
#include <QtTest>

// The simulator's document server stand-in: what the editor page's script
// reads and writes.
class TestDocumentServer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_simulator.start());
        m_token = m_simulator.validAccessToken();
        QVERIFY(!m_token.isEmpty());
    }

    void editRightsPointAtTheSimulator()
    {
        const QJsonObject rights = editRights(QStringLiteral("Id=1001"));
        const QString server = m_simulator.baseUrl() + QStringLiteral("/docserver");
        QCOMPARE(rights.value(QStringLiteral("Info")).toObject().value(QStringLiteral("DocServerUrl")).toString(), server);
        const PortalCall script = PortalCall::send("GET", QUrl(server + QStringLiteral("/web-apps/apps/api/documents/api.js")));
        QCOMPARE(script.status, 200);
        QVERIFY(script.body.contains("DocsAPI"));
        QVERIFY(documentUrl(rights).startsWith(server));
    }

    void textIsEditedAndSaved_data()
    {
        QTest::addColumn<int>("documentId");
        QTest::addColumn<QString>("text");
        QTest::newRow("text document") << 1001 << QStringLiteral("First line\n\nThird <b>line</b> & ü ✓");
        QTest::newRow("spreadsheet") << 1002 << QStringLiteral("Item;Cost\nRent;1200\nÜber;7.5");
        QTest::newRow("presentation") << 1003 << QStringLiteral("Roadmap\nQ1 & Q2");
        QTest::newRow("plain text") << 1005 << QStringLiteral("Notes\r\nsaved");
    }

    void textIsEditedAndSaved()
    {
        QFETCH(int, documentId);
        QFETCH(QString, text);
        QVERIFY(m_simulator.reset());
        m_token = m_simulator.validAccessToken();
        const QJsonObject before = documentInfo(documentId);
        const QUrl url = textUrl(editRights(QStringLiteral("Id=%1").arg(documentId)));

        const PortalCall shown = PortalCall::send("GET", url);
        QCOMPARE(shown.status, 200);
        QVERIFY(!shown.body.isEmpty());

        QCOMPARE(PortalCall::send("POST", url, QString(), text.toUtf8()).status, 200);
        QCOMPARE(QString::fromUtf8(PortalCall::send("GET", url).body), text);
        const QJsonObject after = documentInfo(documentId);
        QVERIFY(after.value(QStringLiteral("Size")).toInt() != before.value(QStringLiteral("Size")).toInt());
        QVERIFY(after.value(QStringLiteral("Timestamp")).toString() > before.value(QStringLiteral("Timestamp")).toString());
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<int>("status");
        // Anna shares this presentation with the demo user for reading only.
        QTest::newRow("save with a view-only key") << QStringLiteral("Id=2004") << QByteArray("POST") << 403;
        QTest::newRow("read with a view-only key") << QStringLiteral("Id=2004") << QByteArray("GET") << 200;
        QTest::newRow("unknown key") << QString() << QByteArray("GET") << 404;
    }

    void refusals()
    {
        QFETCH(QString, query);
        QFETCH(QByteArray, method);
        QFETCH(int, status);
        const QUrl url = query.isEmpty() ? QUrl(m_simulator.baseUrl() + QStringLiteral("/docserver/files?key=x&format=txt"))
                                         : textUrl(editRights(query));
        const PortalCall call = PortalCall::send(method, url, QString(), QByteArrayLiteral("changed"));
        QCOMPARE(call.status, status);
    }

private:
    QJsonObject editRights(const QString &query)
    {
        return PortalCall::send("GET",
                                QUrl(m_simulator.baseUrl() + QStringLiteral("/api/v1/Documents/EditRights?%1&editorType=mobile").arg(query)),
                                m_token)
            .object();
    }

    static QString documentUrl(const QJsonObject &rights)
    {
        return rights.value(QStringLiteral("Link")).toObject().value(QStringLiteral("Payload")).toObject()
            .value(QStringLiteral("document")).toObject().value(QStringLiteral("url")).toString();
    }

    static QUrl textUrl(const QJsonObject &rights)
    {
        return QUrl(documentUrl(rights) + QStringLiteral("&format=txt"));
    }

    QJsonObject documentInfo(int documentId)
    {
        const PortalCall call =
            PortalCall::send("GET", QUrl(m_simulator.baseUrl() + QStringLiteral("/api/v1/Documents?Id=%1").arg(documentId)), m_token);
        const QJsonDocument json = QJsonDocument::fromJson(call.body);
        return json.isArray() ? json.array().first().toObject() : json.object();
    }

    SimulatorProcess m_simulator;
    QString m_token;
};

VELLIX_TEST_MAIN(TestDocumentServer, QCoreApplication)
#include "tst_documentserver.moc"
