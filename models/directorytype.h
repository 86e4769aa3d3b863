#pragma once

#include <QObject>

// The portal's root sections and folder types, as the portal's bit values.
class DirectoryType : public QObject
{
    Q_OBJECT
public:
    enum RootDirectoryTypes {
        Default = 0,
        Public = 1,
        Private = 2,
        Common = 4,
        SharedAccess = 8,
        MyDocuments = 16,
        Photo = 32,
        Video = 64,
        Audio = 128,
        Virtual = 256,
        Favorite = 512,
        InProject = 1024,
        LastDocuments = 2048,
        Trash = 134217728
    };
    Q_ENUM(RootDirectoryTypes)
};
