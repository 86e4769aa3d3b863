ALTER TABLE shared_documents RENAME TO shared_documents_previous;
CREATE TABLE shared_documents (
    id INTEGER PRIMARY KEY NOT NULL,
    file_id INTEGER,
    original_file_id INTEGER,
    preview_file_id INTEGER,
    owner_id INTEGER DEFAULT 0,
    name TEXT NOT NULL,
    description TEXT,
    directory_id INTEGER,
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
    selected INTEGER DEFAULT 0,
    busy INTEGER DEFAULT 0,
    is_shared INTEGER DEFAULT 0,
    is_file INTEGER DEFAULT 0
);
INSERT INTO shared_documents (id, file_id, original_file_id, preview_file_id, owner_id, name, description, timestamp, date, status, type, is_favorite, is_read, size, mime_type, original_mime_type, offline_file_id, parent_id, icon_id, send_notification, order_value, directory_id, selected, busy, is_file)
    SELECT id, file_id, original_file_id, preview_file_id, owner_id, name, description, timestamp, date, status, type, is_favorite, is_read, size, mime_type, original_mime_type, offline_file_id, parent_id, icon_id, send_notification, order_value, parent_id, COALESCE(selected, 0), COALESCE(busy, 0), is_file FROM shared_documents_previous;
DROP TABLE shared_documents_previous;
ALTER TABLE available_documents RENAME TO available_documents_previous;
CREATE TABLE available_documents (
    id INTEGER PRIMARY KEY NOT NULL,
    file_id INTEGER,
    original_file_id INTEGER,
    preview_file_id INTEGER,
    owner_id INTEGER DEFAULT 0,
    name TEXT NOT NULL,
    description TEXT,
    directory_id INTEGER,
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
    selected INTEGER DEFAULT 0,
    busy INTEGER DEFAULT 0,
    is_shared INTEGER DEFAULT 0,
    is_file INTEGER DEFAULT 0
);
INSERT INTO available_documents (id, file_id, original_file_id, preview_file_id, owner_id, name, description, timestamp, date, status, type, is_favorite, is_read, size, mime_type, original_mime_type, offline_file_id, parent_id, icon_id, send_notification, order_value, directory_id, selected, busy, is_file)
    SELECT id, file_id, original_file_id, preview_file_id, owner_id, name, description, timestamp, date, status, type, is_favorite, is_read, size, mime_type, original_mime_type, offline_file_id, parent_id, icon_id, send_notification, order_value, parent_id, COALESCE(selected, 0), COALESCE(busy, 0), is_file FROM available_documents_previous;
DROP TABLE available_documents_previous;
ALTER TABLE project_documents RENAME TO project_documents_previous;
CREATE TABLE project_documents (
    id INTEGER PRIMARY KEY NOT NULL,
    file_id INTEGER,
    original_file_id INTEGER,
    preview_file_id INTEGER,
    owner_id INTEGER DEFAULT 0,
    name TEXT NOT NULL,
    description TEXT,
    directory_id INTEGER,
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
    selected INTEGER DEFAULT 0,
    busy INTEGER DEFAULT 0,
    is_shared INTEGER DEFAULT 0,
    is_file INTEGER DEFAULT 0
);
INSERT INTO project_documents (id, file_id, original_file_id, preview_file_id, owner_id, name, description, timestamp, date, status, type, is_favorite, is_read, size, mime_type, original_mime_type, offline_file_id, parent_id, icon_id, send_notification, order_value, directory_id, selected, busy, is_file)
    SELECT id, file_id, original_file_id, preview_file_id, owner_id, name, description, timestamp, date, status, type, is_favorite, is_read, size, mime_type, original_mime_type, offline_file_id, parent_id, icon_id, send_notification, order_value, parent_id, COALESCE(selected, 0), COALESCE(busy, 0), is_file FROM project_documents_previous;
DROP TABLE project_documents_previous;
ALTER TABLE last_documents RENAME TO last_documents_previous;
CREATE TABLE last_documents (
    id INTEGER PRIMARY KEY NOT NULL,
    file_id INTEGER,
    original_file_id INTEGER,
    preview_file_id INTEGER,
    owner_id INTEGER DEFAULT 0,
    name TEXT NOT NULL,
    description TEXT,
    directory_id INTEGER,
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
    selected INTEGER DEFAULT 0,
    busy INTEGER DEFAULT 0,
    is_shared INTEGER DEFAULT 0,
    is_file INTEGER DEFAULT 0
);
INSERT INTO last_documents (id, file_id, original_file_id, preview_file_id, owner_id, name, description, timestamp, date, status, type, is_favorite, is_read, size, mime_type, original_mime_type, offline_file_id, parent_id, icon_id, send_notification, order_value, directory_id, selected, busy, is_file)
    SELECT id, file_id, original_file_id, preview_file_id, owner_id, name, description, timestamp, date, status, type, is_favorite, is_read, size, mime_type, original_mime_type, offline_file_id, parent_id, icon_id, send_notification, order_value, parent_id, COALESCE(selected, 0), COALESCE(busy, 0), is_file FROM last_documents_previous;
DROP TABLE last_documents_previous;
