CREATE TABLE users (
    id INTEGER PRIMARY KEY NOT NULL,
    name TEXT,
    contact_id INTEGER,
    type INTEGER DEFAULT 0,
    first_name TEXT,
    surname TEXT,
    email TEXT
);
