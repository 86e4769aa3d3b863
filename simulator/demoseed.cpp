#include "simulator/demoseed.h"

#include "simulator/apimessage.h"
#include "simulator/democontent.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

namespace {
const QHash<QString, int> &sectionTypes()
{
    static const QHash<QString, int> types{{QStringLiteral("MyDocuments"), FolderType::MyDocuments},
                                           {QStringLiteral("Virtual"), FolderType::Virtual},
                                           {QStringLiteral("Favorite"), FolderType::Favorite},
                                           {QStringLiteral("LastDocuments"), FolderType::LastDocuments},
                                           {QStringLiteral("SharedAccess"), FolderType::SharedAccess},
                                           {QStringLiteral("Trash"), FolderType::Trash},
                                           {QStringLiteral("Common"), FolderType::Common}};
    return types;
}

// Demo times are given as days before now, so listings always look recent.
QDateTime daysAgo(const QJsonObject &object, double fallback)
{
    const double days = object.value(QStringLiteral("DaysAgo")).toDouble(fallback);
    return QDateTime::currentDateTimeUtc().addSecs(static_cast<qint64>(-days * 86400));
}
} // namespace

QString DemoSeed::defaultPath()
{
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QStringLiteral("../" VELLIX_DATA_SUBDIR "/simulator/demo-data.json"));
}

bool DemoSeed::load(const QString &path, PortalState *state, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read the demo data %1: %2").arg(path, file.errorString());
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isObject()) {
        *error = QStringLiteral("the demo data %1 is not a JSON object: %2").arg(path, parseError.errorString());
        return false;
    }
    state->clear();
    DemoSeed seed(state);
    if (!seed.apply(document.object(), error)) {
        state->clear();
        return false;
    }
    return true;
}

bool DemoSeed::claimId(int id, QString *error)
{
    if (id <= 0 || m_usedIds.contains(id)) {
        *error = QStringLiteral("entity id %1 is missing or used twice").arg(id);
        return false;
    }
    m_usedIds.insert(id);
    m_state->reserveEntityId(id);
    return true;
}

bool DemoSeed::apply(const QJsonObject &root, QString *error)
{
    for (const QJsonValue &value : root.value(QStringLiteral("Users")).toArray()) {
        const QJsonObject object = value.toObject();
        UserRecord user;
        user.id = object.value(QStringLiteral("Id")).toInt();
        user.login = object.value(QStringLiteral("Login")).toString();
        user.password = object.value(QStringLiteral("Password")).toString();
        user.email = object.value(QStringLiteral("Email")).toString(user.login);
        user.firstName = object.value(QStringLiteral("FirstName")).toString();
        user.surname = object.value(QStringLiteral("Surname")).toString();
        user.middleName = object.value(QStringLiteral("MiddleName")).toString();
        user.company = object.value(QStringLiteral("Company")).toString();
        user.name = object.value(QStringLiteral("Name")).toString(user.firstName + QLatin1Char(' ') + user.surname);
        user.contactId = object.value(QStringLiteral("ContactId")).toInt(5000 + user.id);
        if (user.id <= 0 || user.login.isEmpty() || m_state->users.contains(user.id)) {
            *error = QStringLiteral("a demo user needs a unique \"Id\" and a \"Login\"");
            return false;
        }
        m_state->users.insert(user.id, user);
    }
    for (const QJsonValue &value : root.value(QStringLiteral("Roles")).toArray()) {
        const QJsonObject object = value.toObject();
        RoleRecord role;
        role.id = object.value(QStringLiteral("Id")).toInt();
        role.name = object.value(QStringLiteral("Name")).toString();
        role.type = object.value(QStringLiteral("Type")).toInt();
        role.memberIds = jsonIds(object.value(QStringLiteral("Members")));
        m_state->roles.insert(role.id, role);
    }
    for (const QJsonValue &value : root.value(QStringLiteral("Trees")).toArray()) {
        if (!addTree(value.toObject(), error))
            return false;
    }
    for (const QJsonValue &value : root.value(QStringLiteral("Shares")).toArray()) {
        if (!addShare(value.toObject(), error))
            return false;
    }
    for (const int userId : m_state->users.keys())
        m_state->ensureRootFolders(userId);
    if (m_state->commonRootId == 0) {
        const int ownerId = m_state->users.isEmpty() ? 0 : m_state->users.firstKey();
        m_state->commonRootId = m_state->createFolder(0, QStringLiteral("Общие документы"), ownerId, FolderType::Common);
    }
    return true;
}

bool DemoSeed::addTree(const QJsonObject &tree, QString *error)
{
    const QString section = tree.value(QStringLiteral("Section")).toString();
    if (!sectionTypes().contains(section)) {
        *error = QStringLiteral("unknown section \"%1\"").arg(section);
        return false;
    }
    const int type = sectionTypes().value(section);
    const int ownerId = tree.value(QStringLiteral("Owner")).toInt();
    if (!m_state->users.contains(ownerId)) {
        *error = QStringLiteral("the %1 tree names no known \"Owner\"").arg(section);
        return false;
    }
    const int id = tree.value(QStringLiteral("Id")).toInt();
    if (!claimId(id, error))
        return false;
    static const QHash<int, QString> names{{FolderType::MyDocuments, QStringLiteral("Мои документы")},
                                           {FolderType::Virtual, QStringLiteral("Доступно для меня")},
                                           {FolderType::Favorite, QStringLiteral("Избранное")},
                                           {FolderType::LastDocuments, QStringLiteral("Последние документы")},
                                           {FolderType::SharedAccess, QStringLiteral("Совместный доступ")},
                                           {FolderType::Trash, QStringLiteral("Корзина")},
                                           {FolderType::Common, QStringLiteral("Общие документы")}};
    FolderRecord folder;
    folder.id = id;
    folder.ownerId = ownerId;
    folder.type = type;
    folder.name = tree.value(QStringLiteral("Name")).toString(names.value(type));
    folder.created = folder.modified = daysAgo(tree, 90);
    m_state->folders.insert(id, folder);
    if (type == FolderType::Common)
        m_state->commonRootId = id;
    return addFolderContent(tree, id, ownerId, error);
}

bool DemoSeed::addFolderContent(const QJsonObject &object, int folderId, int ownerId, QString *error)
{
    for (const QJsonValue &value : object.value(QStringLiteral("Folders")).toArray()) {
        const QJsonObject child = value.toObject();
        const int id = child.value(QStringLiteral("Id")).toInt();
        if (!claimId(id, error))
            return false;
        FolderRecord folder;
        folder.id = id;
        folder.parentId = folderId;
        folder.ownerId = child.value(QStringLiteral("Owner")).toInt(ownerId);
        folder.name = child.value(QStringLiteral("Name")).toString();
        folder.description = child.value(QStringLiteral("Description")).toString();
        folder.type = child.value(QStringLiteral("Type")).toString() == QLatin1String("Public") ? FolderType::Public : FolderType::Default;
        folder.created = folder.modified = daysAgo(child, 30);
        if (child.value(QStringLiteral("Favorite")).toBool())
            folder.favoriteOf.insert(folder.ownerId);
        m_state->folders.insert(id, folder);
        if (!addFolderContent(child, id, folder.ownerId, error))
            return false;
    }
    for (const QJsonValue &value : object.value(QStringLiteral("Documents")).toArray()) {
        if (!addDocument(value.toObject(), folderId, ownerId, error))
            return false;
    }
    return true;
}

bool DemoSeed::addDocument(const QJsonObject &object, int folderId, int ownerId, QString *error)
{
    const int id = object.value(QStringLiteral("Id")).toInt();
    if (!claimId(id, error))
        return false;
    DocumentRecord document;
    document.id = id;
    document.directoryId = folderId;
    document.ownerId = object.value(QStringLiteral("Owner")).toInt(ownerId);
    document.name = object.value(QStringLiteral("Name")).toString();
    document.description = object.value(QStringLiteral("Description")).toString();
    document.mimeType = DemoContent::mimeTypeOf(document.name);
    document.fileId = m_state->files()->store(DemoContent::bytesFor(document.name, object.value(QStringLiteral("Text")).toString()));
    if (document.name.isEmpty() || document.fileId == 0) {
        *error = QStringLiteral("document %1 has no name or cannot be stored").arg(id);
        return false;
    }
    document.created = document.modified = daysAgo(object, 10);
    document.lastUsed = object.contains(QStringLiteral("LastUsedDaysAgo"))
        ? QDateTime::currentDateTimeUtc().addSecs(static_cast<qint64>(-object.value(QStringLiteral("LastUsedDaysAgo")).toDouble() * 86400))
        : QDateTime();
    for (const int userId : jsonIds(object.value(QStringLiteral("FavoriteOf"))))
        document.favoriteOf.insert(userId);
    if (object.value(QStringLiteral("Favorite")).toBool())
        document.favoriteOf.insert(document.ownerId);
    m_state->documents.insert(id, document);
    return true;
}

bool DemoSeed::addShare(const QJsonObject &object, QString *error)
{
    const int entityType = object.value(QStringLiteral("Entity")).toString() == QLatin1String("Directory") ? EntityKind::Directory
                                                                                                            : EntityKind::Document;
    const int id = object.value(QStringLiteral("Id")).toInt();
    const bool known = entityType == EntityKind::Directory ? m_state->folders.contains(id) : m_state->documents.contains(id);
    if (!known) {
        *error = QStringLiteral("a share names the unknown entity %1").arg(id);
        return false;
    }
    ShareRecord &share = m_state->shares[{entityType, id}];
    const auto rights = [](const QJsonValue &list) {
        QList<AccessRight> result;
        for (const QJsonValue &value : list.toArray()) {
            const QJsonObject right = value.toObject();
            result.append(AccessRight{right.value(QStringLiteral("Id")).toInt(), right.value(QStringLiteral("Access")).toInt(1)});
        }
        return result;
    };
    share.users += rights(object.value(QStringLiteral("Users")));
    share.roles += rights(object.value(QStringLiteral("Roles")));
    for (const QJsonValue &value : object.value(QStringLiteral("Links")).toArray()) {
        const QJsonObject link = value.toObject();
        LinkRecord record;
        record.uid = link.value(QStringLiteral("Uid")).toString();
        record.entityId = id;
        record.entityType = entityType;
        record.lifeTime = link.value(QStringLiteral("LifeTime")).toInt(10);
        record.accessType = link.value(QStringLiteral("AccessType")).toInt(1);
        record.ownerId = entityType == EntityKind::Directory ? m_state->folders[id].ownerId : m_state->documents[id].ownerId;
        record.created = QDateTime::currentDateTimeUtc();
        share.links.append(record);
    }
    return true;
}
