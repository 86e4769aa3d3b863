#pragma once

#include <QString>

// The portal's endpoints. Several names share one path because different
// requests use them; they stay separate so each request names its own.
class ApiContants
{
public:
    static inline const QString s_addToFavorites = QStringLiteral("Favorites/Add");
    static inline const QString s_clearFavorites = QStringLiteral("Favorites/Delete?type=Document");
    static inline const QString s_deleteFromFavorites = QStringLiteral("Favorites/Delete");
    static inline const QString s_restoreFile = QStringLiteral("Documents/Restore");
    static inline const QString s_supportFeedback = QStringLiteral("Support/Feedback");
    static inline const QString s_createDocument = QStringLiteral("Documents/Create");
    static inline const QString s_createFolder = QStringLiteral("DocumentDirectory/AddSubDirectory");
    static inline const QString s_moveFileToTrash = QStringLiteral("Documents/Delete");
    static inline const QString s_authentificate = QStringLiteral("auth/login");
    static inline const QString s_refreshToken = QStringLiteral("auth/refresh");
    static inline const QString s_documentsDelete = QStringLiteral("Documents/Delete");
    static inline const QString s_getDocumentLink = QStringLiteral("Link/Generate");
    static inline const QString s_getDocuments = QStringLiteral("DocumentDirectory/GetDocuments");
    static inline const QString s_getFolders = QStringLiteral("DocumentDirectory/Get");
    static inline const QString s_getUsers = QStringLiteral("User/get");
    static inline const QString s_renameFile = QStringLiteral("Documents/Rename");
    static inline const QString s_moveFile = QStringLiteral("Documents/Move");
    static inline const QString s_copyFile = QStringLiteral("Documents/Copy");
    static inline const QString s_getShares = QStringLiteral("Documents/GetShares");
    static inline const QString s_shareFile = QStringLiteral("Documents/Share");
    static inline const QString s_unshareFile = QStringLiteral("Documents/UnShare");
    static inline const QString s_moveFolder = QStringLiteral("DocumentDirectory/Move");
    static inline const QString s_deleteFolder = QStringLiteral("DocumentDirectory/Delete");
    static inline const QString s_renameFolder = QStringLiteral("DocumentDirectory/Rename");
    static inline const QString s_restoreFolder = QStringLiteral("DocumentDirectory/Restore");
    static inline const QString s_shareFolder = QStringLiteral("DocumentDirectory/Share");
    static inline const QString s_unshareFolder = QStringLiteral("DocumentDirectory/UnShare");
    static inline const QString s_copyFolder = QStringLiteral("DocumentDirectory/Copy");
    static inline const QString s_uploadDocument = QStringLiteral("Documents/Upload");
    static inline const QString s_documentConvert = QStringLiteral("Documents/Convert");
    static inline const QString s_documentDownload = QStringLiteral("Documents/Download");
    static inline const QString s_callbackUri = QStringLiteral("Documents/UploadCallback");
    static inline const QString s_deleteLink = QStringLiteral("Link");
    static inline const QString s_getRoles = QStringLiteral("Role");
    static inline const QString s_searchUsers = QStringLiteral("User/Search");
    static inline const QString s_share = QStringLiteral("Share");
    static inline const QString s_documentShareBulk = QStringLiteral("Documents/ShareBulk");
    static inline const QString s_documentUnShareBulk = QStringLiteral("Documents/UnShareBulk");
    static inline const QString s_getFolderLink = QStringLiteral("Link/Generate");
    static inline const QString s_folderShareBulk = QStringLiteral("DocumentDirectory/ShareBulk");
    static inline const QString s_folderUnShareBulk = QStringLiteral("DocumentDirectory/UnShareBulk");
    static inline const QString s_clearFolder = QStringLiteral("DocumentDirectory/Clear");
    static inline const QString s_forgot = QStringLiteral("auth/Forgot");
    static inline const QString s_linkInfo = QStringLiteral("Link/Info");
    static inline const QString s_searchDocument = QStringLiteral("Documents/Search");
    static inline const QString s_searchFolder = QStringLiteral("DocumentDirectory/Search");
    static inline const QString s_checkConflict = QStringLiteral("DocumentDirectory/Conflict");
    static inline const QString s_getSettings = QStringLiteral("Settings");
    static inline const QString s_directoryArchive = QStringLiteral("DocumentDirectory/Archive");
    static inline const QString s_taskDownload = QStringLiteral("UserTask/Download");
    static inline const QString s_getDocumentInfo = QStringLiteral("Documents");
    static inline const QString s_userRegister = QStringLiteral("auth/register");
    static inline const QString s_editRights = QStringLiteral("Documents/EditRights");
    static inline const QString s_userTask = QStringLiteral("UserTask");
};
