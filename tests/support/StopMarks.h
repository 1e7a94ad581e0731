// Tests that cannot go on yet on Windows (under Wine): from the mark on, the test is not run there,
// and the reason is counted in the run's summary as platform_marks.h's marks are ("[  MARKED  ]",
// scripts/differential). For a step that would wait forever or whose cause lies outside the test
// (the simulated user, the hooks); a step that merely fails takes BR_FAILS_ON_WINDOWS instead. The
// mark goes with its cause.
#pragma once

#include <cstdio>

#ifdef _WIN32
#define BR_STOPS_ON_WINDOWS(reason)                                                                          \
    do {                                                                                                     \
        std::printf("[  MARKED  ] stops on Windows: %s\n", reason);                                          \
        return;                                                                                              \
    } while (0)
#else
#define BR_STOPS_ON_WINDOWS(reason)                                                                          \
    do {                                                                                                     \
    } while (0)
#endif

namespace measure_test {
// One case of a table that cannot be run on Windows: true there, after the mark is printed.
inline bool SkipsOnWindows(const char* reason) {
#ifdef _WIN32
    std::printf("[  MARKED  ] skipped on Windows: %s\n", reason);
    return true;
#else
    (void)reason;
    return false;
#endif
}
} // namespace measure_test

// The causes, named once for every test that stops on them.
namespace measure_test::windows_causes {
// The frame's own commands (its close and help buttons, a drag of its border) reach the dialog
// through DefWindowProc: the system handles WM_SYSCOMMAND and sends WM_CLOSE, WM_SIZE... back to the
// window procedure from its own frames (a user-mode callback). An exception out of the handler would
// have to cross those frames to reach the host. Under Wine the right catch clause is chosen, but the
// exception object's pointer does not come through the callback's unwinding and the catch reads
// nothing. Windows does not promise it either: 64-bit Windows may swallow an exception that leaves a
// window procedure the system called, or not pass it on ("WNDPROC callback function", winuser.h).
// These commands are run on Windows wherever nothing throws out of their handlers.
inline constexpr const char* kFrameCommandThrowsAcrossTheSystem =
    "an exception out of a handler that the frame's buttons or border reach through DefWindowProc crosses "
    "the system's frames, which 64-bit Windows does not promise to pass on (\"WNDPROC callback function\", "
    "winuser.h)";
// The random user's faults that throw (a log that throws, one that breaks during the draw, a store
// that throws, a store whose values cannot be read) throw out of the dialog's message handlers, and so
// out of window procedures that the system called: 64-bit Windows may swallow such an exception or end
// the process ("WNDPROC callback function", winuser.h). Wine passes it on, but the count of window
// procedure calls under way on the thread is not taken back as the exception unwinds its frames; past
// 64 no window procedure is called at all and every SendMessage answers 0 (traced: the nesting depth
// fell from 65 to 0 over 6967 steps and 131 exceptions, and the next measurement's row went missing).
// On Windows the random user leaves these faults out; the ones that refuse or fail a call stay.
inline constexpr const char* kThrowingFaultsLeaveWindowProcedures =
    "an exception out of a window procedure the system called is not promised to reach the caller on 64-bit "
    "Windows (\"WNDPROC callback function\", winuser.h); under Wine each one lowers how deeply window "
    "procedures nest, until no message reaches any window";
// Wine's tooltip shows after its initial delay, where the real cursor is.
inline constexpr const char* kTooltipWaitsForItsTimer =
    "Wine's tooltip shows after its delay at the real cursor; the simulated user's hover reads it at once";
} // namespace measure_test::windows_causes
