#pragma once

#include "workers/createentryworker.h"

// Creates an empty document (its kind follows the name's extension).
class CreateDocumentWorker : public CreateEntryWorker
{
    Q_OBJECT
public:
    explicit CreateDocumentWorker(QObject *parent = nullptr);

    void createDocument(const QString &name, int directoryId);

    int idCreatedDocument() const { return m_idCreatedDocument; }
    int idOwner() const { return m_idOwner; }

public slots:
    void handleCreateDocumentRequest(const QVariantMap &result);

private:
    int m_idCreatedDocument = s_noId;
    int m_idOwner = s_noId;
};
