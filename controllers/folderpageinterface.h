#pragma once

#include "controllers/connectioncontroller.h"

// What every folder page offers, so that one folder page in QML can drive
// any of them.
class FolderPageInterface : public ConnectionController
{
    Q_OBJECT

public:
    explicit FolderPageInterface(QObject *parent = nullptr);

    Q_INVOKABLE virtual void loadFoldersAndFiles(int folderId) = 0;
};
