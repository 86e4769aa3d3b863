#include "coreinit.h"

#include "app/applicationversion.h"
#include "app/clipboard.h"
#include "controllers/accesssettingsdialogcontroller.h"
#include "controllers/authorizationprogresspagecontroller.h"
#include "controllers/creationpagecontroller.h"
#include "controllers/favoritespagecontroller.h"
#include "controllers/fileactionscontroller.h"
#include "controllers/fileandfolderactionscontroller.h"
#include "controllers/folderactionscontroller.h"
#include "controllers/folderpagecontroller.h"
#include "controllers/folderpageinterface.h"
#include "controllers/internetconnectionchecker.h"
#include "controllers/lastdocumentscontroller.h"
#include "controllers/metafolderpagecontroller.h"
#include "controllers/mydocumentspagecontroller.h"
#include "controllers/passwordrecoverypagecontroller.h"
#include "controllers/refreshtokenpagecontroller.h"
#include "controllers/remotesearchpagecontroller.h"
#include "controllers/remoteselectpagecontroller.h"
#include "controllers/renamecontroller.h"
#include "controllers/searchuserscontroller.h"
#include "controllers/selectfolderdialogcontroller.h"
#include "controllers/selectgroupscontroller.h"
#include "controllers/supportpagecontroller.h"
#include "controllers/trashpagecontroller.h"
#include "controllers/useraccountpagecontroller.h"
#include "controllers/userregisterpagecontroller.h"
#include "controllers/vellixofficepagecontroller.h"
#include "database/dataaccessobject.h"
#include "database/folderelemententity.h"
#include "database/migrations.h"
#include "database/sharedlink.h"
#include "database/userorroleentity.h"
#include "editor/documenteditorpagecontroller.h"
#include "localfiles/imageviewercontroller.h"
#include "localfiles/localfilesmodel.h"
#include "localfiles/localfilessortfiltermodel.h"
#include "localfiles/localpagecontroller.h"
#include "models/customerrolesmodel.h"
#include "models/customerrolessortfiltermodel.h"
#include "models/directorytype.h"
#include "models/entitiesprovider.h"
#include "models/entitytypes.h"
#include "models/extensionchecker.h"
#include "models/remoteentitiesmodel.h"
#include "models/remotesortfiltermodel.h"
#include "models/sharedfileaccesstype.h"
#include "models/sharedfolderaccesstype.h"
#include "models/sortingoptions.h"
#include "models/transferlistmodel.h"
#include "models/usersandrolesmodel.h"
#include "models/usersmodel.h"
#include "requests/copyfolderflags.h"
#include "requests/documentlink.h"
#include "requests/networkreplyhandler.h"
#include "securestorage/sstorewrapper.h"
#include "settings/settings.h"

#include <QHash>
#include <QQmlEngine>
#include <QString>

static void initCoreResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace CoreInit {

namespace {
const QString s_notCreatable = QStringLiteral("Error: this type is not creatable in qml.");
}

void initResources()
{
    initCoreResources();
}

void registerTypes()
{
    qRegisterMetaType<QHash<int, QString>>();
    qRegisterMetaType<QList<UserOrRoleEntity>>();
    qRegisterMetaType<QList<SharedLink>>();

    // A QObject interface: QML must know its meta-object to hold one in a
    // property, which an interface registration does not give it.
    qmlRegisterUncreatableType<FolderPageInterface>(s_qmlUri, 1, 0, "FolderPageInterface", s_notCreatable);

    qmlRegisterType<Settings>(s_qmlUri, 1, 0, "Settings");
    qmlRegisterType<DataAccessObject>(s_qmlUri, 1, 0, "DataAccessObject");
    qmlRegisterType<Migrations>(s_qmlUri, 1, 0, "Migrations");
    qmlRegisterType<AuthorizationProgressPageController>(s_qmlUri, 1, 0, "AuthorizationProgressPageController");
    qmlRegisterType<UserAccountPageController>(s_qmlUri, 1, 0, "UserAccountPageController");
    qmlRegisterType<SupportPageController>(s_qmlUri, 1, 0, "SupportPageController");
    qmlRegisterType<DocumentEditorPageController>(s_qmlUri, 1, 0, "DocumentEditorPageController");
    qmlRegisterType<RefreshTokenPageController>(s_qmlUri, 1, 0, "RefreshTokenPageController");
    qmlRegisterType<UserRegisterPageController>(s_qmlUri, 1, 0, "UserRegisterPageController");
    qmlRegisterType<PasswordRecoveryPageController>(s_qmlUri, 1, 0, "PasswordRecoveryPageController");
    qmlRegisterType<VellixOfficePageController>(s_qmlUri, 1, 0, "VellixOfficePageController");
    qmlRegisterType<MyDocumentsPageController>(s_qmlUri, 1, 0, "MyDocumentsPageController");
    qmlRegisterType<RemoteSelectPageController>(s_qmlUri, 1, 0, "RemoteSelectPageController");
    qmlRegisterType<LastDocumentsController>(s_qmlUri, 1, 0, "LastDocumentsController");
    qmlRegisterType<FavoritesPageController>(s_qmlUri, 1, 0, "FavoritesPageController");
    qmlRegisterType<TrashPageController>(s_qmlUri, 1, 0, "TrashPageController");
    qmlRegisterType<SelectFolderDialogController>(s_qmlUri, 1, 0, "SelectFolderDialogController");
    qmlRegisterType<MetaFolderPageController>(s_qmlUri, 1, 0, "MetaFolderPageController");
    qmlRegisterType<FolderPageController>(s_qmlUri, 1, 0, "FolderPageController");
    qmlRegisterType<RemoteSearchPageController>(s_qmlUri, 1, 0, "RemoteSearchPageController");
    qmlRegisterType<RemoteEntitiesModel>(s_qmlUri, 1, 0, "RemoteEntitiesModel");
    qmlRegisterType<RemoteSortFilterModel>(s_qmlUri, 1, 0, "RemoteSortFilterModel");
    qmlRegisterType<LocalPageController>(s_qmlUri, 1, 0, "LocalPageController");
    qmlRegisterType<LocalFilesModel>(s_qmlUri, 1, 0, "LocalFilesModel");
    qmlRegisterType<LocalFilesSortFilterModel>(s_qmlUri, 1, 0, "LocalFilesSortFilterModel");
    qmlRegisterType<ImageViewerController>(s_qmlUri, 1, 0, "ImageViewerController");
    qmlRegisterType<SecureStorage>(s_qmlUri, 1, 0, "SStore");
    qmlRegisterType<CreationPageController>(s_qmlUri, 1, 0, "CreationPageController");
    qmlRegisterType<FileActionsController>(s_qmlUri, 1, 0, "FileActionsController");
    qmlRegisterType<FileAndFolderActionsController>(s_qmlUri, 1, 0, "FileAndFolderActionsController");
    qmlRegisterType<FolderActionsController>(s_qmlUri, 1, 0, "FolderActionsController");
    qmlRegisterType<RenameController>(s_qmlUri, 1, 0, "RenameController");
    qmlRegisterType<AccessSettingsDialogController>(s_qmlUri, 1, 0, "AccessSettingsDialogController");
    qmlRegisterType<SearchUsersController>(s_qmlUri, 1, 0, "SearchUsersController");
    qmlRegisterType<SelectGroupsController>(s_qmlUri, 1, 0, "SelectGroupsController");
    qmlRegisterType<UsersModel>(s_qmlUri, 1, 0, "UsersModel");
    qmlRegisterType<CustomerRolesModel>(s_qmlUri, 1, 0, "CustomerRolesModel");
    qmlRegisterType<CustomerRolesSortFilterModel>(s_qmlUri, 1, 0, "CustomerRolesSortFilterModel");
    qmlRegisterType<UsersAndRolesModel>(s_qmlUri, 1, 0, "UsersAndRolesModel");
    qmlRegisterType<ApplicationVersion>(s_qmlUri, 1, 0, "ApplicationVersion");
    qmlRegisterType<Clipboard>(s_qmlUri, 1, 0, "Clipboard");
    qmlRegisterType<InternetConnectionChecker>(s_qmlUri, 1, 0, "InternetConnectionChecker");

    qmlRegisterUncreatableType<SortingOptions>(s_qmlUri, 1, 0, "SortingOptions", s_notCreatable);
    qmlRegisterUncreatableType<DirectoryType>(s_qmlUri, 1, 0, "RootDirectory", s_notCreatable);
    qmlRegisterUncreatableType<CopyFolderFlags>(s_qmlUri, 1, 0, "CopyFlags", s_notCreatable);
    qmlRegisterUncreatableType<SharedFileAccessType>(s_qmlUri, 1, 0, "SharedFileAccessType", s_notCreatable);
    qmlRegisterUncreatableType<SharedFolderAccessType>(s_qmlUri, 1, 0, "SharedFolderAccessType", s_notCreatable);
    qmlRegisterUncreatableType<EntityTypes>(s_qmlUri, 1, 0, "EntityTypes", s_notCreatable);

    qRegisterMetaType<DirectoryType::RootDirectoryTypes>("DirectoryType::RootDirectoryTypes");
    qRegisterMetaType<SortingOptions::State>("SortingOptions::State");
    qRegisterMetaType<CopyFolderFlags::Flags>("CopyFolderFlags::Flags");
    qRegisterMetaType<SharedFileAccessType::SharedFileAccessTypes>("SharedFileAccessType::SharedFileAccessTypes");
    qRegisterMetaType<SharedFolderAccessType::SharedFolderAccessTypes>(
        "SharedFolderAccessType::SharedFolderAccessTypes");
    qRegisterMetaType<EntityTypes::EntityType>("EntityTypes::EntityType");
    qRegisterMetaType<DocumentLink::Link>("DocumentLink::Link");
    qRegisterMetaType<FolderElementEntity>("FolderElementEntity");
    qRegisterMetaType<QList<FolderElementEntity>>();
    qRegisterMetaType<NetworkReplyHandler>();

    EntitiesProvider::registerSingleton(s_qmlUri);
    ExtensionChecker::registerSingleton(s_qmlUri);
    // The one list of transfers the action controllers started.
    qmlRegisterSingletonType<TransferListModel>(s_qmlUri, 1, 0, "TransferListModel", &TransferListModel::qmlInstance);
}

} // namespace CoreInit
