#pragma once

// SIGTERM and SIGINT end the simulator cleanly: both are blocked in every
// thread and awaited by the main thread.
class StopSignal
{
public:
    // Call before any thread is started.
    static void block();
    // Returns the signal that arrived.
    static int wait();
};
