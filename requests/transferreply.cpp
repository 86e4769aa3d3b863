#include "transferreply.h"

#include "requests/networkreplyhandler.h"
#include "requests/replytimeout.h"

bool TransferReply::failed(const NetworkReplyHandler &handler)
{
    const int status = handler.httpStatus();
    return handler.error() != QNetworkReply::NoError || status < 200 || status >= 300;
}

QString TransferReply::errorText(const NetworkReplyHandler &handler)
{
    const QNetworkReply *reply = handler.reply();
    if (reply && reply->error() != QNetworkReply::NoError && !ReplyTimeout::hasTimedOut(reply))
        return reply->errorString();
    return handler.errorMessage();
}
