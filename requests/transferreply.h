#pragma once

#include <QString>

class NetworkReplyHandler;

// How transfers and the folder share calls read a finished reply: the body
// does not decide (it is the file, or text nobody reads), the transport and
// the HTTP status do.
class TransferReply
{
public:
    // A transport error, a time-out or a status outside 2xx.
    static bool failed(const NetworkReplyHandler &handler);
    // The reply's own error text (the upload worker looks for Qt's
    // "Connection closed" in it); the handler's message for a time-out, which
    // Qt would only call a cancellation, and for a bad status without one.
    static QString errorText(const NetworkReplyHandler &handler);
};
