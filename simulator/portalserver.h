#pragma once

#include "simulator/faultinjector.h"
#include "simulator/portalcontext.h"
#include "simulator/router.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace httplib {
class Server;
struct Request;
struct Response;
} // namespace httplib

// The HTTP(S) front: decodes each request, records it, applies an injected
// fault, checks the access token, runs the endpoint and logs one line.
class PortalServer
{
public:
    PortalServer(PortalContext *context, Router *router);
    ~PortalServer();

    // Binds to 127.0.0.1 (port 0: any free one); TLS when both files are given.
    bool bind(int port, const QString &certificateFile, const QString &keyFile, QString *error);
    int port() const { return m_port; }
    // Serves until stop(); call on a thread of its own.
    void serve();
    void stop();

private:
    void handle(const httplib::Request &request, httplib::Response &response, const QByteArray &body);
    ApiRequest decode(const httplib::Request &request, const QByteArray &body) const;
    ApiReply process(ApiRequest &request);
    // Returns false when the reply must not be written (connection gone).
    bool applyFault(const Fault &fault, ApiRequest &request, const httplib::Request &raw, httplib::Response &response,
                    int *status);
    void waitWhileConnected(int descriptor, int milliseconds, bool untilClosed);
    void waitForRelease(int descriptor, int heldSince);
    static void write(const ApiReply &reply, httplib::Response &response);
    static void writeTruncated(const ApiReply &reply, httplib::Response &response);
    void writePaced(const ApiReply &reply, const Fault &fault, int descriptor, httplib::Response &response);

    PortalContext *m_context;
    Router *m_router;
    std::unique_ptr<httplib::Server> m_server;
    int m_port = 0;
    bool m_secure = false;
    std::mutex m_stateMutex;
    std::mutex m_waitMutex;
    std::condition_variable m_stopped;
    std::atomic<bool> m_stopping{false};
};
