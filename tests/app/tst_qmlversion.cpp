#include "app/applicationversion.h"
#include "app/coreinit.h"
#include "platform/sailfishapp.h"
#include "testenvironment.h"

#include <QGuiApplication>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickView>
#include <QtTest>

class TestQmlVersion : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        CoreInit::registerTypes();
    }

    void mainFileLoadsFromTheBuildTree()
    {
        // The version main.cpp gives the pages is the native one.
        QCOMPARE(ApplicationVersion::version(), QStringLiteral("1.8.5.114"));
        QScopedPointer<QQuickView> view(SailfishApp::createView());
        view->rootContext()->setContextProperty(QStringLiteral("appVersion"), ApplicationVersion::version());
        view->setSource(SailfishApp::pathTo(QStringLiteral("qml/VellixOfficeAurora.qml")));
        QVERIFY2(view->status() == QQuickView::Ready, qPrintable(view->source().toString()));
        auto *label = view->rootObject()->findChild<QObject *>(QStringLiteral("applicationVersion"));
        QVERIFY(label);
        QVERIFY(label->property("text").toString().contains(ApplicationVersion::version()));
    }
};

VELLIX_TEST_MAIN(TestQmlVersion, QGuiApplication)
#include "tst_qmlversion.moc"
