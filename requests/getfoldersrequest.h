#pragma once

#include "requests/jsonrequest.h"

// The folders of a folder, with their sub-folders under "Children"; folder 0
// (or below) asks for the top level.
class GetFoldersRequest : public JsonRequest
{
    Q_OBJECT
public:
    explicit GetFoldersRequest(int folderId, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;

private:
    int m_folderId;
};
