#pragma once

// Reaches the accepted sockets of the HTTP server, which the library does
// not hand to its handlers: a connection is found among the process's file
// descriptors by its local and remote port. Used to drop a connection
// without an answer, to notice that a client has gone, and to end idle
// keep-alive connections when the server stops.
class ConnectionSockets
{
public:
    // The descriptor of the TCP connection, or -1.
    static int find(int localPort, int remotePort);
    // Closes both directions; the server then fails to write and closes it.
    static void drop(int descriptor);
    // True when the peer has closed its side (or the socket is gone).
    static bool peerClosed(int descriptor);
    // Shuts down every accepted connection on the local port.
    static void dropAll(int localPort);
};
