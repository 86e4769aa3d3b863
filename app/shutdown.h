#pragma once

// The end of the process after its event loop: pool threads use the pages'
// cache, so it may only go once they are done; and a stalled portal must not
// hold the process up to its time-out.
namespace Shutdown {

// How long quitting waits for the pool before it gives up on a clean end.
constexpr int s_poolBoundMs = 3000;

// Stops server-task polling, ends the portal calls in flight as cancelled and
// waits for the pool, meanwhile serving what its threads ask of the main
// thread. False when the pool is still busy after boundMs: the pages and the
// cache must then stay.
bool finishWork(int boundMs = s_poolBoundMs);

} // namespace Shutdown
