#include "app/translationloader.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

// The Russian catalogue against the texts the sources hold today.
class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    // The sources' texts are gathered into a copy of the shipped catalogue, so a
    // new or changed text shows up as an unfinished entry there.
    void everyTextHasRussian()
    {
        QTemporaryDir dir;
        const QString catalogue = dir.filePath(QStringLiteral("ru.ts"));
        QVERIFY(QFile::copy(QStringLiteral(VELLIX_RUSSIAN_TS), catalogue));
        QFile::setPermissions(catalogue, QFile::ReadOwner | QFile::WriteOwner);
        QStringList arguments;
        for (const char *folder : {"app", "controllers", "database", "editor", "localfiles", "logging", "models",
                                   "platform", "qml", "requests", "securestorage", "settings", "workers"})
            arguments << QStringLiteral(VELLIX_SOURCE_DIR "/") + QLatin1String(folder);
        arguments << QStringLiteral("-no-obsolete") << QStringLiteral("-locations") << QStringLiteral("none")
                  << QStringLiteral("-ts") << catalogue;
        QProcess lupdate;
        lupdate.start(QStringLiteral(VELLIX_LUPDATE), arguments);
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);

        QFile file(catalogue);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringList missing;
        QString context;
        QString source;
        QXmlStreamReader xml(&file);
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const bool unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
                if (unfinished || xml.readElementText(QXmlStreamReader::IncludeChildElements).isEmpty())
                    missing.append(context + QStringLiteral(": ") + source);
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("Texts without Russian:\n") + missing.join(QLatin1Char('\n'))));
    }

    void catalogueFollowsLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<QString>("text");
        QTest::newRow("russian") << "ru_RU" << true << QString::fromUtf8("по имени");
        QTest::newRow("german falls back to the sources") << "de_DE" << false << "by name";
    }

    void catalogueFollowsLocale()
    {
        QFETCH(QString, locale);
        QFETCH(bool, loaded);
        QFETCH(QString, text);
        TranslationLoader loader;
        QCOMPARE(loader.install(QLocale(locale)), loaded);
        QCOMPARE(QCoreApplication::translate("SortingOptions", "by name"), text);
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
