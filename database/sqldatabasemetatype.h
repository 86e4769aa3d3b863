#pragma once

#include <QMetaType>
#include <QSqlDatabase>

// The cache handle travels through QML properties (DataAccessObject::db to
// Migrations::db).
Q_DECLARE_METATYPE(QSqlDatabase)
