#pragma once

#include "requests/jsonrequest.h"

// A new name for one file or folder, sent in the query of a GET.
class RenameRequest : public JsonRequest
{
    Q_OBJECT
public:
    RenameRequest(const QString &endpoint, int id, const QString &newName, QObject *parent = nullptr);

protected:
    NetworkReplyHandler sendRename() const;
    int id() const { return m_id; }
    const QString &newName() const { return m_newName; }

private:
    QString m_endpoint;
    int m_id;
    QString m_newName;
};
