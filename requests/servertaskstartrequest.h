#pragma once

#include "requests/jsonrequest.h"

// Asks the portal to start a server task on one document or folder; the
// result carries the task id to poll with UserTaskStatusRequest.
class ServerTaskStartRequest : public JsonRequest
{
    Q_OBJECT
protected:
    // idKey: the query key under which the portal wants the id.
    ServerTaskStartRequest(const QString &endpoint, const QString &idKey, int id, QObject *parent);

    QVariantMap perform() final;

private:
    QString m_path;
    int m_id;
};
