#include "models/directorytype.h"
#include "models/entitiesprovider.h"
#include "models/extensionchecker.h"
#include "platform/sailfishapp.h"
#include "testenvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QMetaEnum>
#include <QtTest>

class TestEntitiesProvider : public QObject
{
    Q_OBJECT

private slots:
    void fileIcons_data();
    void fileIcons();
    void extensions_data();
    void extensions();
    void everyNamedPictureIsShipped();
};

void TestEntitiesProvider::fileIcons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("theme");
    QTest::addColumn<QString>("path");
    QTest::newRow("document") << "a.docx" << 0 << "../icons/light/icon-m-file-document.svg";
    QTest::newRow("dark theme") << "a.xlsx" << 1 << "../icons/dark/icon-m-file-spreadsheet.svg";
    QTest::newRow("any value above is dark") << "a.pdf" << 7 << "../icons/dark/icon-m-file-pdf.svg";
    QTest::newRow("below zero is light") << "a.png" << -1 << "../icons/light/icon-m-image.svg";
    QTest::newRow("last dot counts") << "a.pdf.pptx" << 0 << "../icons/light/icon-m-file-presentation.svg";
    QTest::newRow("capitals are another extension") << "a.DOCX" << 0 << "../icons/light/icon-m-file-other.svg";
    QTest::newRow("no dot") << "docx" << 0 << "../icons/light/icon-m-file-document.svg";
    QTest::newRow("unknown") << "a.zip" << 0 << "../icons/light/icon-m-file-other.svg";
}

void TestEntitiesProvider::fileIcons()
{
    QFETCH(QString, name);
    QFETCH(int, theme);
    QFETCH(QString, path);
    QCOMPARE(EntitiesProvider().getFileIcon(name, theme), path);
}

void TestEntitiesProvider::extensions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("document");
    QTest::addColumn<bool>("image");
    QTest::newRow("document") << "Report.final.odt" << true << false;
    QTest::newRow("image") << "Photo.jpeg" << false << true;
    QTest::newRow("svg is an image only") << "Diagram.svg" << false << true;
    QTest::newRow("capitals") << "PHOTO.JPG" << false << false;
    QTest::newRow("no dot") << "pdf" << true << false;
    QTest::newRow("neither") << "archive.zip" << false << false;
}

void TestEntitiesProvider::extensions()
{
    QFETCH(QString, name);
    QFETCH(bool, document);
    QFETCH(bool, image);
    ExtensionChecker checker;
    QCOMPARE(checker.isDocument(name), document);
    QCOMPARE(checker.isImage(name), image);
}

void TestEntitiesProvider::everyNamedPictureIsShipped()
{
    // Pages live in qml/pages/, which the provider's paths are relative to.
    const QDir pages(SailfishApp::dataDirectory() + QStringLiteral("/qml/pages"));
    EntitiesProvider provider;
    QStringList paths;
    for (const int theme : {int(EntitiesProvider::DarkOnLight), int(EntitiesProvider::LightOnDark)}) {
        const QMetaEnum empty = QMetaEnum::fromType<EntitiesProvider::EmptyImages>();
        for (int i = 0; i < empty.keyCount(); ++i)
            paths.append(provider.getEmptyIcon(EntitiesProvider::EmptyImages(empty.value(i)), theme));
        for (int step = 1; step <= 5; ++step)
            paths.append(provider.getIntroIcon(step, theme));
        const QMetaEnum sections = QMetaEnum::fromType<DirectoryType::RootDirectoryTypes>();
        for (int i = 0; i < sections.keyCount(); ++i)
            paths.append(provider.directoryIcon(sections.value(i), theme));
        const QSet<QString> extensions = ExtensionChecker::documentExtensions() + ExtensionChecker::imageExtensions();
        for (const QString &extension : extensions + QSet<QString>{QStringLiteral("zip")})
            paths.append(provider.getFileIcon(QStringLiteral("name.") + extension, theme));
    }
    paths.removeAll(QString());
    paths.removeDuplicates();
    QCOMPARE(paths.size(), 2 * 26);
    for (const QString &path : paths)
        QVERIFY2(QFileInfo::exists(pages.filePath(path)), qPrintable(path));
}

VELLIX_TEST_MAIN(TestEntitiesProvider, QCoreApplication)
#include "tst_entitiesprovider.moc"
