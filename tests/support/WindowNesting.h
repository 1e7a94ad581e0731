// How deeply window procedures can still call one another on this thread. Wine counts the window
// procedure calls it has under way on a thread and calls no window procedure past 64 (the send
// returns 0 at once); an exception that leaves a window procedure through the system's frames skips
// the step that takes the call's count back, so each such exception lowers the depth for good, and
// after enough of them no message reaches any window. Our stand-in has no such count: the depth found
// there is the ceiling asked for.
#pragma once

namespace measure_test {

// Deeper than Wine lets window procedures nest (64), so that a level lost shows.
inline constexpr int kNestingCeiling = 100;

// Sends a message from a window to itself, each call one level deeper, until a call does not arrive
// or `ceiling` levels are reached; the deepest level reached.
int WindowNestingDepth(int ceiling = kNestingCeiling);

} // namespace measure_test
