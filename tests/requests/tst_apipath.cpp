#include "requests/apicontants.h"
#include "requests/apipath.h"
#include "requests/apiserverpaths.h"
#include "testenvironment.h"

#include <QUrl>
#include <QUrlQuery>
#include <QtTest>

class TestApiPath : public QObject
{
    Q_OBJECT

private slots:
    void composesPaths_data();
    void composesPaths();
    void queryValuesSurviveTheUrlParser_data();
    void queryValuesSurviveTheUrlParser();
};

void TestApiPath::composesPaths_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");

    QTest::newRow("account under v2") << ApiPath::v2(ApiContants::s_authentificate).toString() << "/api/v2/auth/login";
    QTest::newRow("others under v1") << ApiPath::v1(ApiContants::s_getSettings).toString() << "/api/v1/Settings";
    QTest::newRow("explicit version")
        << ApiPath(ApiServerPaths::s_v2, ApiContants::s_forgot).toString() << "/api/v2/auth/Forgot";
    QTest::newRow("number") << ApiPath::v1(ApiContants::s_getFolders).query(QStringLiteral("id"), 5).toString()
                            << "/api/v1/DocumentDirectory/Get?id=5";
    QTest::newRow("negative number")
        << ApiPath::v1(ApiContants::s_userTask).query(QStringLiteral("Id"), -1).toString() << "/api/v1/UserTask?Id=-1";
    QTest::newRow("flags in order") << ApiPath::v1(ApiContants::s_documentDownload)
                                           .query(QStringLiteral("id"), 7)
                                           .query(QStringLiteral("download"), true)
                                           .query(QStringLiteral("offline"), false)
                                           .toString()
                                    << "/api/v1/Documents/Download?id=7&download=true&offline=false";
    QTest::newRow("text literal") << ApiPath::v1(ApiContants::s_getDocumentInfo)
                                         .query(QStringLiteral("Id"), 3)
                                         .query(QStringLiteral("editorType"), "mobile")
                                         .toString()
                                  << "/api/v1/Documents?Id=3&editorType=mobile";
    QTest::newRow("endpoint with a query of its own")
        << ApiPath::v1(ApiContants::s_clearFavorites).toString() << "/api/v1/Favorites/Delete?type=Document";
    QTest::newRow("endpoint with a query of its own, extended")
        << ApiPath::v1(ApiContants::s_clearFavorites).query(QStringLiteral("id"), 2).toString()
        << "/api/v1/Favorites/Delete?type=Document&id=2";
    QTest::newRow("delimiters encoded")
        << ApiPath::v1(ApiContants::s_renameFile).query(QStringLiteral("name"), QStringLiteral("a&b=c#d?e+f%g h")).toString()
        << "/api/v1/Documents/Rename?name=a%26b%3Dc%23d%3Fe%2Bf%25g%20h";
    QTest::newRow("non-ASCII as UTF-8")
        << ApiPath::v1(ApiContants::s_searchFolder).query(QStringLiteral("text"), QStringLiteral("отчёт")).toString()
        << "/api/v1/DocumentDirectory/Search?text=%D0%BE%D1%82%D1%87%D1%91%D1%82";
    QTest::newRow("empty value") << ApiPath::v1(ApiContants::s_share).query(QStringLiteral("entityType"), QString()).toString()
                                 << "/api/v1/Share?entityType=";
}

void TestApiPath::composesPaths()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(path, expected);
}

void TestApiPath::queryValuesSurviveTheUrlParser_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("ampersand and equals") << "R&D = 100%";
    QTest::newRow("number sign and question mark") << "#1 why?";
    QTest::newRow("plus is not a space") << "C++ notes";
    QTest::newRow("already encoded looking") << "%26%41";
    QTest::newRow("slashes and quotes") << R"(a/b\c "d" 'e')";
    QTest::newRow("unicode") << "Отчёт №5";
}

void TestApiPath::queryValuesSurviveTheUrlParser()
{
    QFETCH(QString, value);
    const QString path =
        ApiPath::v1(ApiContants::s_renameFolder).query(QStringLiteral("id"), 1).query(QStringLiteral("name"), value).toString();
    // The way requests turn address and path into a URL.
    const QUrl url(QStringLiteral("http://127.0.0.1:8080") + path, QUrl::TolerantMode);
    QVERIFY(url.isValid());
    QCOMPARE(url.path(), QStringLiteral("/api/v1/DocumentDirectory/Rename"));
    const QUrlQuery query(url);
    QCOMPARE(query.queryItems().size(), 2);
    QCOMPARE(query.queryItemValue(QStringLiteral("name"), QUrl::FullyDecoded), value);
    QVERIFY(!url.toEncoded().contains('+'));
}

VELLIX_TEST_MAIN(TestApiPath, QCoreApplication)
#include "tst_apipath.moc"
