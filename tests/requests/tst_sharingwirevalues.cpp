#include "everythingtranslated.h"
#include "app/coreinit.h"
#include "models/entitytypes.h"
#include "models/sharedfileaccesstype.h"
#include "models/sharedfolderaccesstype.h"
#include "requests/documentlink.h"
#include "requests/fileaccesstype.h"
#include "requests/mimetypes.h"
#include "requests/sharebulk.h"
#include "testenvironment.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QtTest>

#include <memory>

namespace {

UserOrRoleEntity principal(int id, qint16 access)
{
    UserOrRoleEntity entity;
    entity.id = id;
    entity.access = access;
    return entity;
}

} // namespace

// The values of the sharing and transfer calls that go on the wire or into
// local paths, and their registration for QML.
class TestSharingWireValues : public QObject
{
    Q_OBJECT

private slots:
    void wireWordsAreNotTranslated();

    void bulkBody_data();
    void bulkBody();

    void mimeTypes_data();
    void mimeTypes();

    void qmlRegistration_data();
    void qmlRegistration();
    void metaTypes();
};

void TestSharingWireValues::wireWordsAreNotTranslated()
{
    EverythingTranslated translator;
    QCoreApplication::installTranslator(&translator);
    const QString file = FileAccessType::accessTypeToString(FileAccessType::Write);
    const QString link = DocumentLink::accessTypeToString(DocumentLink::Comment);
    const QString entity = EntityTypes::entityToString(EntityTypes::Directory);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(file, QStringLiteral("Write"));
    QCOMPARE(link, QStringLiteral("Comment"));
    QCOMPARE(entity, QStringLiteral("Directory"));
}

void TestSharingWireValues::bulkBody_data()
{
    QTest::addColumn<QList<UserOrRoleEntity>>("users");
    QTest::addColumn<QList<UserOrRoleEntity>>("roles");
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("nobody") << QList<UserOrRoleEntity>() << QList<UserOrRoleEntity>() << QByteArray("[]");
    QTest::newRow("users only") << QList<UserOrRoleEntity>{principal(2, 1)} << QList<UserOrRoleEntity>()
                                << QByteArray(R"([{"AccessType":"Read","Ids":[7],"ToUserIds":[2]}])");
    QTest::newRow("roles only") << QList<UserOrRoleEntity>() << QList<UserOrRoleEntity>{principal(4, 5)}
                                << QByteArray(R"([{"AccessType":"Write","Ids":[7],"ToRoleIds":[4]}])");
    QTest::newRow("two users of one level, in list order")
        << QList<UserOrRoleEntity>{principal(9, 1), principal(2, 1)} << QList<UserOrRoleEntity>()
        << QByteArray(R"([{"AccessType":"Read","Ids":[7],"ToUserIds":[9,2]}])");
    QTest::newRow("two readers and a writing group")
        << QList<UserOrRoleEntity>{principal(2, 1), principal(3, 1)} << QList<UserOrRoleEntity>{principal(1, 5)}
        << QByteArray(R"([{"AccessType":"Read","Ids":[7],"ToUserIds":[2,3]},)"
                      R"({"AccessType":"Write","Ids":[7],"ToRoleIds":[1]}])");
    QTest::newRow("a level without a name")
        << QList<UserOrRoleEntity>{principal(2, 3)} << QList<UserOrRoleEntity>{principal(1, 3)}
        << QByteArray(R"([{"AccessType":"","Ids":[7],"ToRoleIds":[1],"ToUserIds":[2]}])");
}

void TestSharingWireValues::bulkBody()
{
    QFETCH(QList<UserOrRoleEntity>, users);
    QFETCH(QList<UserOrRoleEntity>, roles);
    QFETCH(QByteArray, body);
    // A principal's isGroup does not decide where it goes: the list does.
    for (UserOrRoleEntity &user : users)
        user.isGroup = true;
    QCOMPARE(QJsonDocument(ShareBulk::makeArray(7, users, roles)).toJson(QJsonDocument::Compact), body);
}

void TestSharingWireValues::mimeTypes_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("type");
    QTest::newRow("docx") << "docx" << "application/vnd.openxmlformats-officedocument.wordprocessingml.document";
    QTest::newRow("capitals are another extension") << "PDF" << QString();
    QTest::newRow("with the dot") << ".pdf" << QString();
    QTest::newRow("unknown") << "txt" << QString();
    QTest::newRow("empty") << "" << QString();
}

void TestSharingWireValues::mimeTypes()
{
    QFETCH(QString, extension);
    QFETCH(QString, type);
    QCOMPARE(MimeTypes::getMimeString(extension), type);
}

void TestSharingWireValues::qmlRegistration_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("values");
    QTest::addColumn<QVariantList>("expected");
    QTest::newRow("file access") << "SharedFileAccessType" << "[Denied, ReadOnly, Comment, Edit]"
                                 << QVariantList{-1, 0, 1, 4};
    QTest::newRow("folder access") << "SharedFolderAccessType" << "[Denied, ReadOnly, Edit]"
                                   << QVariantList{-1, 0, 4};
    QTest::newRow("entity types") << "EntityTypes" << "[Document, Directory, Reception, OfflineDocument]"
                                  << QVariantList{2, 3, 10, 19};
}

void TestSharingWireValues::qmlRegistration()
{
    QFETCH(QString, type);
    QFETCH(QString, values);
    QFETCH(QVariantList, expected);
    CoreInit::registerTypes();
    QString list = values;
    list.replace(QLatin1String("["), QStringLiteral("[%1.").arg(type)).replace(QLatin1String(", "),
                                                                               QStringLiteral(", %1.").arg(type));

    QQmlEngine engine;
    QQmlComponent reader(&engine);
    reader.setData(QStringLiteral("import QtQml 2.15\nimport com.vellix.VellixOfficeAurora 1.0\n"
                                  "QtObject { property var values: %1 }")
                       .arg(list)
                       .toUtf8(),
                   QUrl());
    std::unique_ptr<QObject> object(reader.create());
    QVERIFY2(object, qPrintable(reader.errorString()));
    QCOMPARE(object->property("values").toList(), expected);

    QQmlComponent creator(&engine);
    creator.setData(QStringLiteral("import com.vellix.VellixOfficeAurora 1.0\n%1 {}").arg(type).toUtf8(), QUrl());
    QVERIFY(!creator.create());
    QVERIFY2(creator.errorString().contains(QStringLiteral("Error: this type is not creatable in qml.")),
             qPrintable(creator.errorString()));
}

void TestSharingWireValues::metaTypes()
{
    CoreInit::registerTypes();
    for (const char *name : {"SharedFileAccessType::SharedFileAccessTypes",
                             "SharedFolderAccessType::SharedFolderAccessTypes", "EntityTypes::EntityType",
                             "DocumentLink::Link"})
        QVERIFY2(QMetaType::type(name) != QMetaType::UnknownType, name);
}

VELLIX_TEST_MAIN(TestSharingWireValues, QCoreApplication)

#include "tst_sharingwirevalues.moc"
