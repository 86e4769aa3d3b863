#include "app/applicationversion.h"
#include "app/coreinit.h"
#include "platform/sailfishapp.h"
#include "testenvironment.h"

#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
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

    void versionAgreesInQmlAndNative()
    {
        QQmlEngine engine;
        engine.rootContext()->setContextProperty(QStringLiteral("appVersion"), QStringLiteral("1.8.5.114"));
        QQmlComponent component(&engine);
        component.setData("import QtQml 2.12\n"
                          "import com.vellix.VellixOfficeAurora 1.0\n"
                          "QtObject {\n"
                          "  property var versionObject: ApplicationVersion {}\n"
                          "  property string fromContext: appVersion\n"
                          "  property string fromNative: versionObject.version()\n"
                          "}\n",
                          QUrl());
        QScopedPointer<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        QCOMPARE(object->property("fromContext").toString(), QStringLiteral("1.8.5.114"));
        QCOMPARE(object->property("fromNative").toString(), QStringLiteral("1.8.5.114"));
        QCOMPARE(ApplicationVersion::version(), QStringLiteral("1.8.5.114"));
    }

    void mainFileLoadsFromTheBuildTree()
    {
        QScopedPointer<QQuickView> view(SailfishApp::createView());
        view->rootContext()->setContextProperty(QStringLiteral("appVersion"), QStringLiteral("1.8.5.114"));
        view->setSource(SailfishApp::pathTo(QStringLiteral("qml/VellixOfficeAurora.qml")));
        QVERIFY2(view->status() == QQuickView::Ready, qPrintable(view->source().toString()));
        auto *label = view->rootObject()->findChild<QObject *>(QStringLiteral("applicationVersion"));
        QVERIFY(label);
        QVERIFY(label->property("text").toString().contains(QStringLiteral("1.8.5.114")));
    }

};

VELLIX_TEST_MAIN(TestQmlVersion, QGuiApplication)
#include "tst_qmlversion.moc"
