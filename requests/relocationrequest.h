#pragma once

#include "requests/copyfolderflags.h"
#include "requests/jsonrequest.h"

#include <optional>

// Files or folders sent elsewhere in the tree (move, copy, restore): a POST
// of the ids, the destination folder and, for folders, the rule for a name
// that is already taken there.
class RelocationRequest : public JsonRequest
{
    Q_OBJECT
public:
    RelocationRequest(const QString &endpoint, const QList<int> &ids, int destinationId, QObject *parent = nullptr);
    RelocationRequest(const QString &endpoint, const QList<int> &ids, int destinationId, CopyFolderFlags::Flags rule,
                      QObject *parent = nullptr);

protected:
    NetworkReplyHandler sendRelocation() const;
    // The ids as the result maps carry them.
    QVariantList idList() const;

private:
    QString m_endpoint;
    QList<int> m_ids;
    int m_destinationId;
    std::optional<CopyFolderFlags::Flags> m_rule;
};
