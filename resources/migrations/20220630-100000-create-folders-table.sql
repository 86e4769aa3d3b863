CREATE TABLE folders (
    id INTEGER PRIMARY KEY NOT NULL,
    name TEXT NOT NULL,
    description TEXT NOT NULL,
    parent_id INTEGER DEFAULT 0,
    icon_id INTEGER DEFAULT 0,
    type INTEGER DEFAULT 0,
    send_notification INTEGER DEFAULT 0,
    order_value INTEGER DEFAULT 0,
    owner_id INTEGER DEFAULT 0
);
