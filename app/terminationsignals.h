#pragma once

// Makes SIGINT, SIGTERM, SIGHUP and SIGQUIT end the application's event loop.
// The handler only writes a byte to a socket pair; the quit happens on the main
// thread, so nothing unsafe runs in signal context. Call after the application
// object exists.
void setupTerminationSignalsHandler();
