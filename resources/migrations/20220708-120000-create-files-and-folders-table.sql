ALTER TABLE files_and_folders RENAME TO files_and_folders_previous;
CREATE TABLE files_and_folders (
    id INTEGER NOT NULL,
    file_id INTEGER,
    original_file_id INTEGER,
    preview_file_id INTEGER,
    owner_id INTEGER DEFAULT 0,
    name TEXT NOT NULL,
    description TEXT,
    timestamp TEXT,
    date TEXT,
    status INTEGER,
    type INTEGER DEFAULT 0,
    is_favorite INTEGER,
    is_read INTEGER,
    size INTEGER,
    mime_type TEXT,
    original_mime_type TEXT,
    offline_file_id INTEGER,
    parent_id INTEGER,
    icon_id INTEGER,
    send_notification INTEGER,
    order_value INTEGER,
    is_file INTEGER DEFAULT 0,
    PRIMARY KEY(id, is_file)
);
INSERT INTO files_and_folders (id, file_id, original_file_id, preview_file_id, owner_id, name, description, timestamp, date, status, type, is_favorite, is_read, size, mime_type, original_mime_type, offline_file_id, parent_id, icon_id, send_notification, order_value, is_file)
    SELECT id, file_id, original_file_id, preview_file_id, owner_id, name, description, timestamp, date, status, type, is_favorite, is_read, size, mime_type, original_mime_type, offline_file_id, parent_id, icon_id, send_notification, order_value, is_file FROM files_and_folders_previous;
DROP TABLE files_and_folders_previous;
