#include "folderpageinterface.h"

FolderPageInterface::FolderPageInterface(QObject *parent)
    : ConnectionController(parent)
{
}
