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

// The causes, named once for every test that stops on them.
namespace measure_test::windows_causes {
// The frame's close button reaches OnClose through DefWindowProc (WM_SYSCOMMAND, then WM_CLOSE).
// Under Wine a std::exception that the log throws on that way reaches DialogHost::survive's
// catch (CException*) as a null pointer and the program dies there; the unwinding is not traced
// further. 64-bit Windows does not promise to pass an exception out of a window procedure that the
// system called at all (it may suppress it or end the process: "WNDPROC callback function",
// winuser.h), so the test's expectation may itself be the stand-in's alone.
inline constexpr const char* kCloseUnwindsToANullCException =
    "a log exception out of the frame's close reaches the host's catch (CException*) as a null pointer";
// Wine's tooltip shows after its initial delay, where the real cursor is.
inline constexpr const char* kTooltipWaitsForItsTimer =
    "Wine's tooltip shows after its delay at the real cursor; the simulated user's hover reads it at once";
} // namespace measure_test::windows_causes
