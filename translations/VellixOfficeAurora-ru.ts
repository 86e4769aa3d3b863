<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AccountPage</name>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write to support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddFavoriteWorker</name>
    <message>
        <source>Error adding file to favorites %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 already added to favorites</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AvailableToMePage</name>
    <message>
        <source>Nothing here yet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Breadcrumbs</name>
    <message>
        <source>Folder path</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClearFolderWorker</name>
    <message>
        <source>Folder %1 already cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error clear folder %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommonPage</name>
    <message>
        <source>Nothing here yet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConflictDialog</name>
    <message>
        <source>Folders with these names exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The destination already holds a folder of the same name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CopyFileAndFolderWorkers</name>
    <message>
        <source>Files are copied successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error copy files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders are copied successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error copy folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error copy folders %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CopyFileWorker</name>
    <message>
        <source>Error copy file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 is duplicated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 is copied</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CopyFolderWorker</name>
    <message>
        <source>Folder %1 already copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error copy folder %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CreateEntryWorker</name>
    <message>
        <source>Error create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 created successfuly</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CreationPage</name>
    <message>
        <source>Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What to create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload a file from this device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading %1…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeleteFavoriteWorker</name>
    <message>
        <source>Error removing file %1 from favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error removing files %1 from favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 already removed from favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files %1 already removed from favorites</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeleteFileAndFolderWorker</name>
    <message>
        <source>Error delete folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error delete folders %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error move folder %1 to trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error move folders %1 to trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 already removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files %1 already removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error delete file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error delete files %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder %1 already deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders %1 already deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 already move to trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files %1 already move to trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error move file %1 to trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error move files %1 to trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder %1 already moved to trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders %1 already moved to trash</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeleteFolderWorker</name>
    <message>
        <source>Folder %1 already deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder %1 already moved to trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error delete folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error move folder %1 to trash</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DownloadArchiveDirectoryWorker</name>
    <message>
        <source>Start download archive %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error download folder archive %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save the archive in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download folder archive %1 success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error archive folder %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DownloadFileWorker</name>
    <message>
        <source>Start download file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error download file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save the file in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error download document %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download file %1 success</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DownloadPdfWorker</name>
    <message>
        <source>Error prepare document %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error convert document %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start download document %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save the document in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download document %1 success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error download document %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EntitiesProvider</name>
    <message>
        <source>Common</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available for me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared access</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EntitiesView</name>
    <message>
        <source>This folder is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete for good</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” will be deleted and cannot be restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Delete %n selected item(s)?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Leave selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selection holds an empty file: the portal may refuse to copy or move it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files and folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy to…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove from favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download as ZIP archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to trash</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EntityDelegate</name>
    <message>
        <source>File %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorBanner</name>
    <message>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FavoritesPage</name>
    <message>
        <source>No favorites yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a document to the favorites from its menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every document will be removed from the favorites.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileAndFolderWorker</name>
    <message>
        <source>Nothing is selected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileDownloadRequest</name>
    <message>
        <source>Error write downloaded file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ForgotPasswordWorker</name>
    <message>
        <source>empty login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>user not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Request done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error send forgot request to portal</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Format</name>
    <message>
        <source>B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FreeFileName</name>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GetFolderInfoWorker</name>
    <message>
        <source>The folder is not found on the portal.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HeaderBar</name>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sections</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InternetConnectionChecker</name>
    <message>
        <source>Internet connection restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet connection lost</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IntroductionPage</name>
    <message>
        <source>Your documents, everywhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the documents, spreadsheets and presentations of your portal on your phone or desktop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sections and folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse My documents, what colleagues made available to you, the favorites, the last documents and the trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create and edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create documents and folders, rename, copy and move them, and edit in the portal&apos;s editor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share documents and folders with people and groups of your company.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Safe on the device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What you keep on the device stays in an encrypted store; the lists stay readable without a connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LastDocumentsPage</name>
    <message>
        <source>No documents opened yet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LocalFilePickerPage</name>
    <message>
        <source>Save into</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save here</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MoveFileAndFolderWorker</name>
    <message>
        <source>Files are moved successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error move files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders are moved successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error move folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error move folders %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MoveFileToTrashWorker</name>
    <message>
        <source>Error delete file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error move file %1 to trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 already removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 already move to trash</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MoveFileWorker</name>
    <message>
        <source>Error move file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 already moved</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MoveFolderWorker</name>
    <message>
        <source>Error move folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder %1 already moved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error move folders %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error move folders</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MyDocumentsPage</name>
    <message>
        <source>Create a document or a folder, or upload a file, with the button below</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkReplyHandler</name>
    <message>
        <source>Unexpected server error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authorization error:
Incorrect login and/or password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to send the request to portal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The portal refused the connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The portal closed the connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The portal address is not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to the portal timed out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unexpected portal error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The portal is unavailable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ssl handshake error.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OfflineBanner</name>
    <message>
        <source>No internet connection: showing what was stored on this device</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordField</name>
    <message>
        <source>Hide password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show password</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordRecoveryPage</name>
    <message>
        <source>Password recovery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the e-mail you sign in with; the portal sends instructions to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instructions were sent to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortalPage</name>
    <message>
        <source>Portal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RefreshTokenPageController</name>
    <message>
        <source>Error refresh token</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegistrationPage</name>
    <message>
        <source>Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portal address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account was created: check your mail, then sign in.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RenameDialog</name>
    <message>
        <source>Rename file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This name is already taken in the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name starts with a letter, a digit or a space and holds no dot</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RenameFileWorker</name>
    <message>
        <source>Error rename file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 already renamed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RenameFolderWorker</name>
    <message>
        <source>Error rename folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder %1 already renamed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RequestInterface</name>
    <message>
        <source>No internet connection</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RequestOutcome</name>
    <message>
        <source>The portal sent an answer that cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RestoreFileAndFolderWorker</name>
    <message>
        <source>File %1 already restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files %1 already restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error restore file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error restore files %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder %1 already restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders %1 already restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error restore folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error restore folders %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RestoreFileWorker</name>
    <message>
        <source>Error restore file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 already restored</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RestoreFolderWorker</name>
    <message>
        <source>Error restore folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder %1 already restored</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RootPage</name>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveAccessRightsWorker</name>
    <message>
        <source>Error edit access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access granted</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchPage</name>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search documents and folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type what you are looking for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The search did not reach the portal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SectionPage</name>
    <message>
        <source>This folder is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SectionsList</name>
    <message>
        <source>Sections</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SelectFolderDialog</name>
    <message>
        <source>Up to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No folders here</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServerTask</name>
    <message>
        <source>The portal sent no readable server task state.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServerTaskPoller</name>
    <message>
        <source>The portal did not finish the operation in time.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServerTaskWorker</name>
    <message>
        <source>Server error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShareFileWorker</name>
    <message>
        <source>File %1 already shared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error share file %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShareFolderWorker</name>
    <message>
        <source>Folder %1 already shared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error share folder %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SharedAccessDocumentsPage</name>
    <message>
        <source>Nothing here yet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignInPage</name>
    <message>
        <source>Sign in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in to your portal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portal address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signing in…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forgot password?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write to support</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SortMenu</name>
    <message>
        <source>Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descending</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SortingOptions</name>
    <message>
        <source>by name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by author</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SplashPage</name>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue with stored documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SupportPage</name>
    <message>
        <source>Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thank you: your message was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message could not be sent. Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portal address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your e-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrashPage</name>
    <message>
        <source>The trash is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty the trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everything in the trash will be deleted for good.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnShareFileWorker</name>
    <message>
        <source>File %1 already unshared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error unshare file %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnShareFolderWorker</name>
    <message>
        <source>Folder %1 already unshared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error unshare folder %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UploadDocumentRequest</name>
    <message>
        <source>error open file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UploadDocumentWorker</name>
    <message>
        <source>File %1 upload started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 already uploaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server decline upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error upload file %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserRegisterWorker</name>
    <message>
        <source>User already exists</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VellixOfficeAurora</name>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
