CREATE TABLE files_and_folders (
    id INTEGER PRIMARY KEY NOT NULL,
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
    is_file INTEGER DEFAULT 0
);
-- Cached folders become folder rows of the new table.
INSERT INTO files_and_folders (id, owner_id, name, description, type, parent_id, icon_id, send_notification, order_value, is_file)
    SELECT id, owner_id, name, description, type, parent_id, icon_id, send_notification, order_value, 0 FROM folders;
DROP TABLE folders;
