<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AccessSettingsDialogController</name>
    <message>
        <source>Unnamed role</source>
        <translation>Безымянная роль</translation>
    </message>
    <message>
        <source>Denied</source>
        <translation>Доступ запрещён</translation>
    </message>
    <message>
        <source>Read only</source>
        <translation>Только чтение</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Комментирование</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Редактирование</translation>
    </message>
    <message>
        <source>Access rights cannot be saved</source>
        <translation>Права доступа не удалось сохранить</translation>
    </message>
</context>
<context>
    <name>AccessSettingsPage</name>
    <message>
        <source>Access settings</source>
        <translation>Настройки доступа</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Who has access</source>
        <translation>У кого есть доступ</translation>
    </message>
    <message>
        <source>%1 (group)</source>
        <translation>%1 (группа)</translation>
    </message>
    <message>
        <source>Access level</source>
        <translation>Уровень доступа</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>Only you have access</source>
        <translation>Доступ есть только у вас</translation>
    </message>
    <message>
        <source>Add users</source>
        <translation>Добавить пользователей</translation>
    </message>
    <message>
        <source>Add groups</source>
        <translation>Добавить группы</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Ссылки</translation>
    </message>
    <message>
        <source>External link access</source>
        <translation>Доступ по внешней ссылке</translation>
    </message>
    <message>
        <source>Get link</source>
        <translation>Получить ссылку</translation>
    </message>
    <message>
        <source>External link</source>
        <translation>Внешняя ссылка</translation>
    </message>
    <message>
        <source>Internal link</source>
        <translation>Внутренняя ссылка</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Name or e-mail</source>
        <translation>Имя или эл. почта</translation>
    </message>
    <message>
        <source>Filter groups</source>
        <translation>Фильтр групп</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>Скопировано в буфер обмена</translation>
    </message>
</context>
<context>
    <name>AccountPage</name>
    <message>
        <source>Account</source>
        <translation>Учётная запись</translation>
    </message>
    <message>
        <source>Portal</source>
        <translation>Портал</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>Тёмная тема</translation>
    </message>
    <message>
        <source>Write to support</source>
        <translation>Написать в поддержку</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Выйти</translation>
    </message>
</context>
<context>
    <name>AddFavoriteWorker</name>
    <message>
        <source>Error adding file to favorites %1</source>
        <translation>Ошибка добавления файла %1 в избранное</translation>
    </message>
    <message>
        <source>File %1 already added to favorites</source>
        <translation>Файл %1 уже добавлен в избранное</translation>
    </message>
</context>
<context>
    <name>AuthReply</name>
    <message>
        <source>The portal did not return an access token.</source>
        <translation>Портал не вернул токен доступа.</translation>
    </message>
</context>
<context>
    <name>AuthRequest</name>
    <message>
        <source>The portal refused the sign-in.</source>
        <translation>Портал отказал во входе.</translation>
    </message>
</context>
<context>
    <name>AvailableToMePage</name>
    <message>
        <source>Nothing here yet</source>
        <translation>Здесь пока ничего нет</translation>
    </message>
</context>
<context>
    <name>Breadcrumbs</name>
    <message>
        <source>Folder path</source>
        <translation>Путь к папке</translation>
    </message>
</context>
<context>
    <name>ClearFolderWorker</name>
    <message>
        <source>Folder %1 already cleared</source>
        <translation>Папка %1 уже очищена</translation>
    </message>
    <message>
        <source>Error clear folder %1</source>
        <translation>Ошибка очистки папки %1</translation>
    </message>
</context>
<context>
    <name>CommonPage</name>
    <message>
        <source>Nothing here yet</source>
        <translation>Здесь пока ничего нет</translation>
    </message>
</context>
<context>
    <name>ConflictDialog</name>
    <message>
        <source>Folders with these names exist</source>
        <translation>Папки с такими именами уже есть</translation>
    </message>
    <message>
        <source>The destination already holds a folder of the same name.</source>
        <translation>В месте назначения уже есть папка с таким именем.</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Оставить обе</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропустить</translation>
    </message>
</context>
<context>
    <name>CopyFileAndFolderWorkers</name>
    <message>
        <source>Files are copied successfully</source>
        <translation>Файлы успешно скопированы</translation>
    </message>
    <message>
        <source>Error copy files</source>
        <translation>Ошибка копирования файлов</translation>
    </message>
    <message>
        <source>Folders are copied successfully</source>
        <translation>Папки успешно скопированы</translation>
    </message>
    <message>
        <source>Error copy folders</source>
        <translation>Ошибка копирования папок</translation>
    </message>
    <message>
        <source>Error copy folders %1</source>
        <translation>Ошибка копирования папок %1</translation>
    </message>
</context>
<context>
    <name>CopyFileWorker</name>
    <message>
        <source>Error copy file %1</source>
        <translation>Ошибка копирования файла %1</translation>
    </message>
    <message>
        <source>File %1 is duplicated</source>
        <translation>Создана копия файла %1</translation>
    </message>
    <message>
        <source>File %1 is copied</source>
        <translation>Файл %1 скопирован</translation>
    </message>
</context>
<context>
    <name>CopyFolderWorker</name>
    <message>
        <source>Folder %1 already copied</source>
        <translation>Папка %1 уже скопирована</translation>
    </message>
    <message>
        <source>Error copy folder %1</source>
        <translation>Ошибка копирования папки %1</translation>
    </message>
</context>
<context>
    <name>CreateEntryWorker</name>
    <message>
        <source>Error create</source>
        <translation>Ошибка создания</translation>
    </message>
    <message>
        <source>%1 created successfuly</source>
        <translation>%1 успешно создан</translation>
    </message>
</context>
<context>
    <name>CreationPage</name>
    <message>
        <source>Create</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>“%1” is ready</source>
        <translation>«%1» готов</translation>
    </message>
    <message>
        <source>What to create</source>
        <translation>Что создать</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Документ</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>Таблица</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Презентация</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Upload a file from this device</source>
        <translation>Загрузить файл с этого устройства</translation>
    </message>
    <message>
        <source>Uploading %1…</source>
        <translation>Загрузка %1…</translation>
    </message>
</context>
<context>
    <name>DeleteFavoriteWorker</name>
    <message>
        <source>Error removing file %1 from favorites</source>
        <translation>Ошибка удаления файла %1 из избранного</translation>
    </message>
    <message>
        <source>Error removing files %1 from favorites</source>
        <translation>Ошибка удаления файлов %1 из избранного</translation>
    </message>
    <message>
        <source>File %1 already removed from favorites</source>
        <translation>Файл %1 уже удалён из избранного</translation>
    </message>
    <message>
        <source>Files %1 already removed from favorites</source>
        <translation>Файлы %1 уже удалены из избранного</translation>
    </message>
</context>
<context>
    <name>DeleteFileAndFolderWorker</name>
    <message>
        <source>Error delete folder %1</source>
        <translation>Ошибка удаления папки %1</translation>
    </message>
    <message>
        <source>Error delete folders %1</source>
        <translation>Ошибка удаления папок %1</translation>
    </message>
    <message>
        <source>Error move folder %1 to trash</source>
        <translation>Ошибка перемещения папки %1 в корзину</translation>
    </message>
    <message>
        <source>Error move folders %1 to trash</source>
        <translation>Ошибка перемещения папок %1 в корзину</translation>
    </message>
    <message>
        <source>File %1 already removed</source>
        <translation>Файл %1 уже удалён</translation>
    </message>
    <message>
        <source>Files %1 already removed</source>
        <translation>Файлы %1 уже удалены</translation>
    </message>
    <message>
        <source>Error delete file %1</source>
        <translation>Ошибка удаления файла %1</translation>
    </message>
    <message>
        <source>Error delete files %1</source>
        <translation>Ошибка удаления файлов %1</translation>
    </message>
    <message>
        <source>Folder %1 already deleted</source>
        <translation>Папка %1 уже удалена</translation>
    </message>
    <message>
        <source>Folders %1 already deleted</source>
        <translation>Папки %1 уже удалены</translation>
    </message>
    <message>
        <source>File %1 already move to trash</source>
        <translation>Файл %1 уже перемещён в корзину</translation>
    </message>
    <message>
        <source>Files %1 already move to trash</source>
        <translation>Файлы %1 уже перемещены в корзину</translation>
    </message>
    <message>
        <source>Error move file %1 to trash</source>
        <translation>Ошибка перемещения файла %1 в корзину</translation>
    </message>
    <message>
        <source>Error move files %1 to trash</source>
        <translation>Ошибка перемещения файлов %1 в корзину</translation>
    </message>
    <message>
        <source>Folder %1 already moved to trash</source>
        <translation>Папка %1 уже перемещена в корзину</translation>
    </message>
    <message>
        <source>Folders %1 already moved to trash</source>
        <translation>Папки %1 уже перемещены в корзину</translation>
    </message>
</context>
<context>
    <name>DeleteFolderWorker</name>
    <message>
        <source>Folder %1 already deleted</source>
        <translation>Папка %1 уже удалена</translation>
    </message>
    <message>
        <source>Folder %1 already moved to trash</source>
        <translation>Папка %1 уже перемещена в корзину</translation>
    </message>
    <message>
        <source>Error delete folder %1</source>
        <translation>Ошибка удаления папки %1</translation>
    </message>
    <message>
        <source>Error move folder %1 to trash</source>
        <translation>Ошибка перемещения папки %1 в корзину</translation>
    </message>
</context>
<context>
    <name>DocumentEditorPage</name>
    <message>
        <source>The document cannot be opened in the editor.</source>
        <translation>Документ не удаётся открыть в редакторе.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Повторить</translation>
    </message>
</context>
<context>
    <name>DownloadArchiveDirectoryWorker</name>
    <message>
        <source>Start download archive %1</source>
        <translation>Начато скачивание архива %1</translation>
    </message>
    <message>
        <source>Error download folder archive %1</source>
        <translation>Ошибка скачивания архива папки %1</translation>
    </message>
    <message>
        <source>Could not save the archive in %1</source>
        <translation>Не удалось сохранить архив в %1</translation>
    </message>
    <message>
        <source>Download folder archive %1 success</source>
        <translation>Архив папки %1 скачан</translation>
    </message>
    <message>
        <source>Error archive folder %1</source>
        <translation>Ошибка архивации папки %1</translation>
    </message>
</context>
<context>
    <name>DownloadFileWorker</name>
    <message>
        <source>Start download file %1</source>
        <translation>Начато скачивание файла %1</translation>
    </message>
    <message>
        <source>Error download file %1</source>
        <translation>Ошибка скачивания файла %1</translation>
    </message>
    <message>
        <source>Could not save the file in %1</source>
        <translation>Не удалось сохранить файл в %1</translation>
    </message>
    <message>
        <source>Error download document %1</source>
        <translation>Ошибка скачивания документа %1</translation>
    </message>
    <message>
        <source>Download file %1 success</source>
        <translation>Файл %1 скачан</translation>
    </message>
</context>
<context>
    <name>DownloadPdfWorker</name>
    <message>
        <source>Error prepare document %1</source>
        <translation>Ошибка подготовки документа %1</translation>
    </message>
    <message>
        <source>Error convert document %1</source>
        <translation>Ошибка преобразования документа %1</translation>
    </message>
    <message>
        <source>Start download document %1</source>
        <translation>Начато скачивание документа %1</translation>
    </message>
    <message>
        <source>Could not save the document in %1</source>
        <translation>Не удалось сохранить документ в %1</translation>
    </message>
    <message>
        <source>Download document %1 success</source>
        <translation>Документ %1 скачан</translation>
    </message>
    <message>
        <source>Error download document %1</source>
        <translation>Ошибка скачивания документа %1</translation>
    </message>
</context>
<context>
    <name>EntitiesProvider</name>
    <message>
        <source>Common</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>My documents</source>
        <translation>Мои документы</translation>
    </message>
    <message>
        <source>Available for me</source>
        <translation>Доступные мне</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Корзина</translation>
    </message>
    <message>
        <source>Last documents</source>
        <translation>Последние документы</translation>
    </message>
    <message>
        <source>Shared access</source>
        <translation>Общий доступ</translation>
    </message>
</context>
<context>
    <name>EntitiesView</name>
    <message>
        <source>This folder is empty</source>
        <translation>Эта папка пуста</translation>
    </message>
    <message>
        <source>Copy to</source>
        <translation>Копировать в</translation>
    </message>
    <message>
        <source>Move to</source>
        <translation>Переместить в</translation>
    </message>
    <message>
        <source>Delete for good</source>
        <translation>Удалить навсегда</translation>
    </message>
    <message>
        <source>“%1” will be deleted and cannot be restored.</source>
        <translation>«%1» будет удалён без возможности восстановления.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n selected item(s)?</source>
        <translation>
            <numerusform>Удалить %n выбранный элемент?</numerusform>
            <numerusform>Удалить %n выбранных элемента?</numerusform>
            <numerusform>Удалить %n выбранных элементов?</numerusform>
        </translation>
    </message>
    <message>
        <source>Leave selection</source>
        <translation>Выйти из выбора</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>Выбрано: %1</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Снять выбор</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Переместить</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>The selection holds an empty file: the portal may refuse to copy or move it.</source>
        <translation>Среди выбранного есть пустой файл: портал может отказаться его копировать или перемещать.</translation>
    </message>
    <message>
        <source>Files and folders</source>
        <translation>Файлы и папки</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>Copy to…</source>
        <translation>Копировать в…</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Создать копию</translation>
    </message>
    <message>
        <source>Move to…</source>
        <translation>Переместить в…</translation>
    </message>
    <message>
        <source>Add to favorites</source>
        <translation>Добавить в избранное</translation>
    </message>
    <message>
        <source>Remove from favorites</source>
        <translation>Убрать из избранного</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Скачать</translation>
    </message>
    <message>
        <source>Download as PDF</source>
        <translation>Скачать как PDF</translation>
    </message>
    <message>
        <source>Download as ZIP archive</source>
        <translation>Скачать как ZIP-архив</translation>
    </message>
    <message>
        <source>Move to trash</source>
        <translation>Переместить в корзину</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Поделиться</translation>
    </message>
</context>
<context>
    <name>EntityDelegate</name>
    <message>
        <source>File %1</source>
        <translation>Файл %1</translation>
    </message>
    <message>
        <source>Folder %1</source>
        <translation>Папка %1</translation>
    </message>
    <message>
        <source>Select %1</source>
        <translation>Выбрать %1</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Общий</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Избранный</translation>
    </message>
</context>
<context>
    <name>ErrorBanner</name>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>FavoritesPage</name>
    <message>
        <source>No favorites yet</source>
        <translation>В избранном пока ничего нет</translation>
    </message>
    <message>
        <source>Add a document to the favorites from its menu</source>
        <translation>Добавьте документ в избранное из его меню</translation>
    </message>
    <message>
        <source>Clear the favorites</source>
        <translation>Очистить избранное</translation>
    </message>
    <message>
        <source>Every document will be removed from the favorites.</source>
        <translation>Все документы будут убраны из избранного.</translation>
    </message>
</context>
<context>
    <name>FileActionsController</name>
    <message>
        <source>The secure storage is not open, %1 cannot be saved</source>
        <translation>Защищённое хранилище не открыто, %1 не может быть сохранён</translation>
    </message>
</context>
<context>
    <name>FileAndFolderWorker</name>
    <message>
        <source>Nothing is selected</source>
        <translation>Ничего не выбрано</translation>
    </message>
</context>
<context>
    <name>FileDownloadRequest</name>
    <message>
        <source>Error write downloaded file</source>
        <translation>Ошибка записи скачанного файла</translation>
    </message>
</context>
<context>
    <name>ForgotPasswordWorker</name>
    <message>
        <source>empty login</source>
        <translation>пустой логин</translation>
    </message>
    <message>
        <source>user not found</source>
        <translation>пользователь не найден</translation>
    </message>
    <message>
        <source>Request done</source>
        <translation>Запрос выполнен</translation>
    </message>
    <message>
        <source>Error send forgot request to portal</source>
        <translation>Ошибка отправки запроса восстановления пароля на портал</translation>
    </message>
</context>
<context>
    <name>Format</name>
    <message>
        <source>B</source>
        <translation>Б</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>КБ</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>ГБ</translation>
    </message>
</context>
<context>
    <name>FreeFileName</name>
    <message>
        <source>Untitled</source>
        <translation>Без названия</translation>
    </message>
    <message>
        <source>copy</source>
        <translation>копия</translation>
    </message>
</context>
<context>
    <name>GetFolderInfoWorker</name>
    <message>
        <source>The folder is not found on the portal.</source>
        <translation>Папка не найдена на портале.</translation>
    </message>
</context>
<context>
    <name>HeaderBar</name>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Разделы</translation>
    </message>
    <message>
        <source>Transfers: %1</source>
        <translation>Передачи: %1</translation>
    </message>
    <message>
        <source>Transfers</source>
        <translation>Передачи</translation>
    </message>
</context>
<context>
    <name>ImageViewerPage</name>
    <message>
        <source>Fit to page</source>
        <translation>Вписать в страницу</translation>
    </message>
</context>
<context>
    <name>InternetConnectionChecker</name>
    <message>
        <source>Internet connection restored</source>
        <translation>Подключение к интернету восстановлено</translation>
    </message>
    <message>
        <source>Internet connection lost</source>
        <translation>Подключение к интернету потеряно</translation>
    </message>
</context>
<context>
    <name>IntroductionPage</name>
    <message>
        <source>Your documents, everywhere</source>
        <translation>Ваши документы всегда под рукой</translation>
    </message>
    <message>
        <source>Open the documents, spreadsheets and presentations of your portal on your phone or desktop.</source>
        <translation>Открывайте документы, таблицы и презентации портала на телефоне или компьютере.</translation>
    </message>
    <message>
        <source>Sections and folders</source>
        <translation>Разделы и папки</translation>
    </message>
    <message>
        <source>Browse My documents, what colleagues made available to you, the favorites, the last documents and the trash.</source>
        <translation>Просматривайте свои документы, доступные вам документы коллег, избранное, последние документы и корзину.</translation>
    </message>
    <message>
        <source>Create and edit</source>
        <translation>Создание и правка</translation>
    </message>
    <message>
        <source>Create documents and folders, rename, copy and move them, and edit in the portal&apos;s editor.</source>
        <translation>Создавайте документы и папки, переименовывайте, копируйте и перемещайте их, редактируйте в редакторе портала.</translation>
    </message>
    <message>
        <source>Work together</source>
        <translation>Совместная работа</translation>
    </message>
    <message>
        <source>Share documents and folders with people and groups of your company.</source>
        <translation>Открывайте доступ к документам и папкам сотрудникам и группам вашей компании.</translation>
    </message>
    <message>
        <source>Safe on the device</source>
        <translation>Надёжно на устройстве</translation>
    </message>
    <message>
        <source>What you keep on the device stays in an encrypted store; the lists stay readable without a connection.</source>
        <translation>Сохранённое на устройстве хранится в зашифрованном хранилище; списки доступны и без подключения.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропустить</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Шаг %1 из %2</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начать</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
</context>
<context>
    <name>LastDocumentsPage</name>
    <message>
        <source>No documents opened yet</source>
        <translation>Вы ещё не открывали документы</translation>
    </message>
</context>
<context>
    <name>LocalFilePickerPage</name>
    <message>
        <source>Save into</source>
        <translation>Сохранить в</translation>
    </message>
    <message>
        <source>Choose a file</source>
        <translation>Выберите файл</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Save here</source>
        <translation>Сохранить сюда</translation>
    </message>
</context>
<context>
    <name>LocalFilesPage</name>
    <message>
        <source>Files on this device</source>
        <translation>Файлы на устройстве</translation>
    </message>
    <message>
        <source>“%1” could not be copied out of the container.</source>
        <translation>Не удалось скопировать «%1» из хранилища.</translation>
    </message>
    <message>
        <source>Local trash</source>
        <translation>Локальная корзина</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Сортировка</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>By name</source>
        <translation>По имени</translation>
    </message>
    <message>
        <source>By date</source>
        <translation>По дате</translation>
    </message>
    <message>
        <source>By size</source>
        <translation>По размеру</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>По возрастанию</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>По убыванию</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Документы</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Move to trash</source>
        <translation>Переместить в корзину</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Delete for good</source>
        <translation>Удалить навсегда</translation>
    </message>
    <message>
        <source>The selected files will be deleted from this device.</source>
        <translation>Выбранные файлы будут удалены с устройства.</translation>
    </message>
    <message>
        <source>Empty the local trash</source>
        <translation>Очистить локальную корзину</translation>
    </message>
    <message>
        <source>Every file of the local trash will be deleted from this device.</source>
        <translation>Все файлы локальной корзины будут удалены с устройства.</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Действия</translation>
    </message>
    <message>
        <source>The local trash is empty</source>
        <translation>Локальная корзина пуста</translation>
    </message>
    <message>
        <source>No documents on this device yet</source>
        <translation>На устройстве пока нет документов</translation>
    </message>
    <message>
        <source>Downloaded documents are kept here, encrypted.</source>
        <translation>Скачанные документы хранятся здесь в зашифрованном виде.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>“%1” will be deleted from this device.</source>
        <translation>«%1» будет удалён с устройства.</translation>
    </message>
</context>
<context>
    <name>LocalPageController</name>
    <message>
        <source>Unexpected error</source>
        <translation>Непредвиденная ошибка</translation>
    </message>
    <message>
        <source>Create new storage fail</source>
        <translation>Не удалось создать новое хранилище</translation>
    </message>
    <message>
        <source>Create storage error</source>
        <translation>Ошибка создания хранилища</translation>
    </message>
    <message>
        <source>Password error</source>
        <translation>Ошибка пароля</translation>
    </message>
    <message>
        <source>Empty container</source>
        <translation>Пустое хранилище</translation>
    </message>
    <message>
        <source>Incorrect password</source>
        <translation>Неверный пароль</translation>
    </message>
    <message>
        <source>Expired password</source>
        <translation>Срок действия пароля истёк</translation>
    </message>
</context>
<context>
    <name>MoveFileAndFolderWorker</name>
    <message>
        <source>Files are moved successfully</source>
        <translation>Файлы успешно перемещены</translation>
    </message>
    <message>
        <source>Error move files</source>
        <translation>Ошибка перемещения файлов</translation>
    </message>
    <message>
        <source>Folders are moved successfully</source>
        <translation>Папки успешно перемещены</translation>
    </message>
    <message>
        <source>Error move folders</source>
        <translation>Ошибка перемещения папок</translation>
    </message>
    <message>
        <source>Error move folders %1</source>
        <translation>Ошибка перемещения папок %1</translation>
    </message>
</context>
<context>
    <name>MoveFileToTrashWorker</name>
    <message>
        <source>Error delete file %1</source>
        <translation>Ошибка удаления файла %1</translation>
    </message>
    <message>
        <source>Error move file %1 to trash</source>
        <translation>Ошибка перемещения файла %1 в корзину</translation>
    </message>
    <message>
        <source>File %1 already removed</source>
        <translation>Файл %1 уже удалён</translation>
    </message>
    <message>
        <source>File %1 already move to trash</source>
        <translation>Файл %1 уже перемещён в корзину</translation>
    </message>
</context>
<context>
    <name>MoveFileWorker</name>
    <message>
        <source>Error move file %1</source>
        <translation>Ошибка перемещения файла %1</translation>
    </message>
    <message>
        <source>File %1 already moved</source>
        <translation>Файл %1 уже перемещён</translation>
    </message>
</context>
<context>
    <name>MoveFolderWorker</name>
    <message>
        <source>Error move folder %1</source>
        <translation>Ошибка перемещения папки %1</translation>
    </message>
    <message>
        <source>Folder %1 already moved</source>
        <translation>Папка %1 уже перемещена</translation>
    </message>
    <message>
        <source>Error move folders %1</source>
        <translation>Ошибка перемещения папок %1</translation>
    </message>
    <message>
        <source>Error move folders</source>
        <translation>Ошибка перемещения папок</translation>
    </message>
</context>
<context>
    <name>MyDocumentsPage</name>
    <message>
        <source>Create a document or a folder, or upload a file, with the button below</source>
        <translation>Создайте документ или папку либо загрузите файл кнопкой ниже</translation>
    </message>
</context>
<context>
    <name>NetworkReplyHandler</name>
    <message>
        <source>Unexpected server error</source>
        <translation>Непредвиденная ошибка сервера</translation>
    </message>
    <message>
        <source>Authorization error:
Incorrect login and/or password.</source>
        <translation>Ошибка авторизации:
Неверный логин и/или пароль.</translation>
    </message>
    <message>
        <source>Failed to send the request to portal.</source>
        <translation>Не удалось отправить запрос на портал.</translation>
    </message>
    <message>
        <source>Error %1.</source>
        <translation>Ошибка %1.</translation>
    </message>
    <message>
        <source>The portal refused the connection.</source>
        <translation>Портал отклонил подключение.</translation>
    </message>
    <message>
        <source>The portal closed the connection.</source>
        <translation>Портал закрыл подключение.</translation>
    </message>
    <message>
        <source>The portal address is not found.</source>
        <translation>Адрес портала не найден.</translation>
    </message>
    <message>
        <source>The connection to the portal timed out.</source>
        <translation>Время ожидания подключения к порталу истекло.</translation>
    </message>
    <message>
        <source>The unexpected portal error.</source>
        <translation>Непредвиденная ошибка портала.</translation>
    </message>
    <message>
        <source>The portal is unavailable.</source>
        <translation>Портал недоступен.</translation>
    </message>
    <message>
        <source>The ssl handshake error.</source>
        <translation>Ошибка установления SSL-соединения.</translation>
    </message>
</context>
<context>
    <name>OfflineBanner</name>
    <message>
        <source>No internet connection: showing what was stored on this device</source>
        <translation>Нет подключения к интернету: показано сохранённое на устройстве</translation>
    </message>
</context>
<context>
    <name>PasswordField</name>
    <message>
        <source>Hide password</source>
        <translation>Скрыть пароль</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Показать пароль</translation>
    </message>
</context>
<context>
    <name>PasswordRecoveryPage</name>
    <message>
        <source>Password recovery</source>
        <translation>Восстановление пароля</translation>
    </message>
    <message>
        <source>Type the e-mail you sign in with; the portal sends instructions to it.</source>
        <translation>Введите адрес эл. почты, с которым вы входите; портал отправит на него инструкции.</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>Instructions were sent to %1</source>
        <translation>Инструкции отправлены на %1</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
</context>
<context>
    <name>PortalPage</name>
    <message>
        <source>Portal</source>
        <translation>Портал</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Учётная запись</translation>
    </message>
</context>
<context>
    <name>RefreshTokenPageController</name>
    <message>
        <source>Error refresh token</source>
        <translation>Ошибка обновления токена</translation>
    </message>
</context>
<context>
    <name>RefreshTokenRequest</name>
    <message>
        <source>The portal refused to renew the session.</source>
        <translation>Портал отказался продлить сеанс.</translation>
    </message>
</context>
<context>
    <name>RegistrationPage</name>
    <message>
        <source>Register</source>
        <translation>Регистрация</translation>
    </message>
    <message>
        <source>Portal address</source>
        <translation>Адрес портала</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Фамилия</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>The account was created: check your mail, then sign in.</source>
        <translation>Учётная запись создана: проверьте почту и войдите.</translation>
    </message>
</context>
<context>
    <name>RenameDialog</name>
    <message>
        <source>Rename file</source>
        <translation>Переименовать файл</translation>
    </message>
    <message>
        <source>Rename folder</source>
        <translation>Переименовать папку</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Новое имя</translation>
    </message>
    <message>
        <source>This name is already taken in the folder</source>
        <translation>Это имя в папке уже занято</translation>
    </message>
    <message>
        <source>A name starts with a letter, a digit or a space and holds no dot</source>
        <translation>Имя начинается с буквы, цифры или пробела и не содержит точки</translation>
    </message>
</context>
<context>
    <name>RenameFileWorker</name>
    <message>
        <source>Error rename file %1</source>
        <translation>Ошибка переименования файла %1</translation>
    </message>
    <message>
        <source>File %1 already renamed</source>
        <translation>Файл %1 уже переименован</translation>
    </message>
</context>
<context>
    <name>RenameFolderWorker</name>
    <message>
        <source>Error rename folder %1</source>
        <translation>Ошибка переименования папки %1</translation>
    </message>
    <message>
        <source>Folder %1 already renamed</source>
        <translation>Папка %1 уже переименована</translation>
    </message>
</context>
<context>
    <name>RequestInterface</name>
    <message>
        <source>No internet connection</source>
        <translation>Нет подключения к интернету</translation>
    </message>
    <message>
        <source>The portal sent an answer that cannot be read.</source>
        <translation>Портал прислал ответ, который не удаётся прочитать.</translation>
    </message>
</context>
<context>
    <name>RestoreFileAndFolderWorker</name>
    <message>
        <source>File %1 already restored</source>
        <translation>Файл %1 уже восстановлен</translation>
    </message>
    <message>
        <source>Files %1 already restored</source>
        <translation>Файлы %1 уже восстановлены</translation>
    </message>
    <message>
        <source>Error restore file %1</source>
        <translation>Ошибка восстановления файла %1</translation>
    </message>
    <message>
        <source>Error restore files %1</source>
        <translation>Ошибка восстановления файлов %1</translation>
    </message>
    <message>
        <source>Folder %1 already restored</source>
        <translation>Папка %1 уже восстановлена</translation>
    </message>
    <message>
        <source>Folders %1 already restored</source>
        <translation>Папки %1 уже восстановлены</translation>
    </message>
    <message>
        <source>Error restore folder %1</source>
        <translation>Ошибка восстановления папки %1</translation>
    </message>
    <message>
        <source>Error restore folders %1</source>
        <translation>Ошибка восстановления папок %1</translation>
    </message>
</context>
<context>
    <name>RestoreFileWorker</name>
    <message>
        <source>Error restore file %1</source>
        <translation>Ошибка восстановления файла %1</translation>
    </message>
    <message>
        <source>File %1 already restored</source>
        <translation>Файл %1 уже восстановлен</translation>
    </message>
</context>
<context>
    <name>RestoreFolderWorker</name>
    <message>
        <source>Error restore folder %1</source>
        <translation>Ошибка восстановления папки %1</translation>
    </message>
    <message>
        <source>Folder %1 already restored</source>
        <translation>Папка %1 уже восстановлена</translation>
    </message>
</context>
<context>
    <name>RootPage</name>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Учётная запись</translation>
    </message>
</context>
<context>
    <name>SaveAccessRightsWorker</name>
    <message>
        <source>Error edit access</source>
        <translation>Ошибка изменения доступа</translation>
    </message>
    <message>
        <source>Access granted</source>
        <translation>Доступ предоставлен</translation>
    </message>
</context>
<context>
    <name>SearchPage</name>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Search documents and folders</source>
        <translation>Поиск документов и папок</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Результаты поиска</translation>
    </message>
    <message>
        <source>Type what you are looking for</source>
        <translation>Введите, что вы ищете</translation>
    </message>
    <message>
        <source>The search did not reach the portal</source>
        <translation>Поисковый запрос не дошёл до портала</translation>
    </message>
    <message>
        <source>Nothing found</source>
        <translation>Ничего не найдено</translation>
    </message>
</context>
<context>
    <name>SectionPage</name>
    <message>
        <source>This folder is empty</source>
        <translation>Эта папка пуста</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Сортировка</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Ещё</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Создать</translation>
    </message>
</context>
<context>
    <name>SectionsList</name>
    <message>
        <source>Sections</source>
        <translation>Разделы</translation>
    </message>
    <message>
        <source>Files on this device</source>
        <translation>Файлы на устройстве</translation>
    </message>
</context>
<context>
    <name>SecureStorage</name>
    <message>
        <source>Storage ready</source>
        <translation>Хранилище готово</translation>
    </message>
    <message>
        <source>Permission error</source>
        <translation>Нет прав доступа</translation>
    </message>
    <message>
        <source>SSTORE not install</source>
        <translation>Служба защищённого хранилища не установлена</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Непредвиденная ошибка</translation>
    </message>
</context>
<context>
    <name>SelectFolderDialog</name>
    <message>
        <source>Up to %1</source>
        <translation>Вверх в %1</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>Choose %1</source>
        <translation>Выбрать %1</translation>
    </message>
    <message>
        <source>No folders here</source>
        <translation>Здесь нет папок</translation>
    </message>
</context>
<context>
    <name>ServerTask</name>
    <message>
        <source>The portal sent no readable server task state.</source>
        <translation>Портал не прислал читаемого состояния серверной задачи.</translation>
    </message>
</context>
<context>
    <name>ServerTaskPoller</name>
    <message>
        <source>The portal did not finish the operation in time.</source>
        <translation>Портал не завершил операцию вовремя.</translation>
    </message>
</context>
<context>
    <name>ServerTaskWorker</name>
    <message>
        <source>Server error</source>
        <translation>Ошибка сервера</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>A new container was created on this device.</source>
        <translation>На устройстве создано новое хранилище.</translation>
    </message>
</context>
<context>
    <name>ShareFileWorker</name>
    <message>
        <source>File %1 already shared</source>
        <translation>Доступ к файлу %1 уже открыт</translation>
    </message>
    <message>
        <source>Error share file %1</source>
        <translation>Ошибка открытия доступа к файлу %1</translation>
    </message>
</context>
<context>
    <name>ShareFolderWorker</name>
    <message>
        <source>Folder %1 already shared</source>
        <translation>Доступ к папке %1 уже открыт</translation>
    </message>
    <message>
        <source>Error share folder %1</source>
        <translation>Ошибка открытия доступа к папке %1</translation>
    </message>
</context>
<context>
    <name>SharedAccessDocumentsPage</name>
    <message>
        <source>Nothing here yet</source>
        <translation>Здесь пока ничего нет</translation>
    </message>
</context>
<context>
    <name>SignInPage</name>
    <message>
        <source>Sign in</source>
        <translation>Войти</translation>
    </message>
    <message>
        <source>Sign in to your portal</source>
        <translation>Вход на ваш портал</translation>
    </message>
    <message>
        <source>Portal address</source>
        <translation>Адрес портала</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Signing in…</source>
        <translation>Вход…</translation>
    </message>
    <message>
        <source>Forgot password?</source>
        <translation>Забыли пароль?</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Регистрация</translation>
    </message>
    <message>
        <source>Write to support</source>
        <translation>Написать в поддержку</translation>
    </message>
</context>
<context>
    <name>SortMenu</name>
    <message>
        <source>Sort</source>
        <translation>Сортировка</translation>
    </message>
    <message>
        <source>By name</source>
        <translation>По имени</translation>
    </message>
    <message>
        <source>By date</source>
        <translation>По дате</translation>
    </message>
    <message>
        <source>By type</source>
        <translation>По типу</translation>
    </message>
    <message>
        <source>By size</source>
        <translation>По размеру</translation>
    </message>
    <message>
        <source>By author</source>
        <translation>По автору</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>По возрастанию</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>По убыванию</translation>
    </message>
</context>
<context>
    <name>SortingOptions</name>
    <message>
        <source>by name</source>
        <translation>по имени</translation>
    </message>
    <message>
        <source>by date</source>
        <translation>по дате</translation>
    </message>
    <message>
        <source>by type</source>
        <translation>по типу</translation>
    </message>
    <message>
        <source>by size</source>
        <translation>по размеру</translation>
    </message>
    <message>
        <source>by author</source>
        <translation>по автору</translation>
    </message>
</context>
<context>
    <name>SplashPage</name>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Continue with stored documents</source>
        <translation>Продолжить с сохранёнными документами</translation>
    </message>
    <message>
        <source>Sign in again</source>
        <translation>Войти снова</translation>
    </message>
</context>
<context>
    <name>SupportPage</name>
    <message>
        <source>Support</source>
        <translation>Поддержка</translation>
    </message>
    <message>
        <source>Thank you: your message was sent.</source>
        <translation>Спасибо: ваше сообщение отправлено.</translation>
    </message>
    <message>
        <source>The message could not be sent. Try again later.</source>
        <translation>Не удалось отправить сообщение. Попробуйте позже.</translation>
    </message>
    <message>
        <source>Portal address</source>
        <translation>Адрес портала</translation>
    </message>
    <message>
        <source>Your e-mail</source>
        <translation>Ваша эл. почта</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
</context>
<context>
    <name>TransfersPanel</name>
    <message>
        <source>Preparing…</source>
        <translation>Подготовка…</translation>
    </message>
    <message>
        <source>Uploaded</source>
        <translation>Загружено</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Скачано</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>Transfers</source>
        <translation>Передачи</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>No transfers</source>
        <translation>Передач нет</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Открыть %1</translation>
    </message>
</context>
<context>
    <name>TrashPage</name>
    <message>
        <source>The trash is empty</source>
        <translation>Корзина пуста</translation>
    </message>
    <message>
        <source>Empty the trash</source>
        <translation>Очистить корзину</translation>
    </message>
    <message>
        <source>Everything in the trash will be deleted for good.</source>
        <translation>Всё содержимое корзины будет удалено навсегда.</translation>
    </message>
</context>
<context>
    <name>TrashPageController</name>
    <message>
        <source>Trash</source>
        <translation>Корзина</translation>
    </message>
</context>
<context>
    <name>UnShareFileWorker</name>
    <message>
        <source>File %1 already unshared</source>
        <translation>Доступ к файлу %1 уже закрыт</translation>
    </message>
    <message>
        <source>Error unshare file %1</source>
        <translation>Ошибка закрытия доступа к файлу %1</translation>
    </message>
</context>
<context>
    <name>UnShareFolderWorker</name>
    <message>
        <source>Folder %1 already unshared</source>
        <translation>Доступ к папке %1 уже закрыт</translation>
    </message>
    <message>
        <source>Error unshare folder %1</source>
        <translation>Ошибка закрытия доступа к папке %1</translation>
    </message>
</context>
<context>
    <name>UploadDocumentRequest</name>
    <message>
        <source>error open file</source>
        <translation>ошибка открытия файла</translation>
    </message>
</context>
<context>
    <name>UploadDocumentWorker</name>
    <message>
        <source>File %1 upload started</source>
        <translation>Начата загрузка файла %1</translation>
    </message>
    <message>
        <source>File %1 already uploaded</source>
        <translation>Файл %1 уже загружен</translation>
    </message>
    <message>
        <source>Server decline upload</source>
        <translation>Сервер отклонил загрузку</translation>
    </message>
    <message>
        <source>Error upload file %1</source>
        <translation>Ошибка загрузки файла %1</translation>
    </message>
</context>
<context>
    <name>UserRegisterWorker</name>
    <message>
        <source>User already exists</source>
        <translation>Пользователь уже существует</translation>
    </message>
</context>
<context>
    <name>VellixOfficeAurora</name>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
</context>
</TS>
