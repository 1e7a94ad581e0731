// How deeply window procedures can still call one another on this thread. Wine counts the window
// procedure calls it has under way on a thread and calls no window procedure past 64 (the send
// returns 0 at once); an exception that leaves a window procedure through the system's frames skips
// the step that takes the call's count back, so each such exception lowers the depth for good, and
// after enough of them no message reaches any window. Our stand-in and Windows have no such count:
// the depth found is the ceiling asked for.
#pragma once

namespace measure_test {

// Sends a message from a window to itself, each call one level deeper, until a call does not arrive
// or `ceiling` levels are reached; the deepest level reached.
int WindowNestingDepth(int ceiling);

} // namespace measure_test
