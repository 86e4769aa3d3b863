#include "movetotrashfilerequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"

#include <QJsonObject>

MoveToTrashFileRequest::MoveToTrashFileRequest(const QList<int> &fileIds, QObject *parent)
    : JsonRequest(parent)
    , m_fileIds(fileIds)
{
}

QVariantMap MoveToTrashFileRequest::perform()
{
    const QJsonObject body{{QStringLiteral("Ids"), toJsonArray(m_fileIds)}};
    return report(post(ApiPath::v1(ApiContants::s_moveFileToTrash).toString(), body), "Request error", SuccessOnly,
                  {{QStringLiteral("fileIds"), toVariantList(m_fileIds)}});
}
