#include "getcustomerrolesrequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"

GetCustomerRolesRequest::GetCustomerRolesRequest(QObject *parent)
    : JsonRequest(parent)
{
}

QVariantMap GetCustomerRolesRequest::perform()
{
    const NetworkReplyHandler handler = get(ApiPath::v1(ApiContants::s_getRoles).toString(), SendingLine::Quoted);
    return report(handler, "Reply error", SuccessOnly, {}, [](const NetworkReplyHandler &reply) {
        return QVariantMap{{QStringLiteral("roles"), replyObjects(reply)}};
    });
}
