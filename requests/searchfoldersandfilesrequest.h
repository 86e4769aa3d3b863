#pragma once

#include "requests/jsonrequest.h"

// Folders and documents whose names match a text, in one folder (or, for
// folder 0, everywhere).
class SearchFoldersAndFilesRequest : public JsonRequest
{
    Q_OBJECT
public:
    SearchFoldersAndFilesRequest(const QString &text, int folderId, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;

private:
    QString m_text;
    int m_folderId;
};
