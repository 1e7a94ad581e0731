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
// Under Wine a std::exception that the log throws while the frame's close button is handled (the
// WM_SYSCOMMAND that DefWindowProc turns into WM_CLOSE) reaches DialogHost::survive's
// catch (CException*) as a null pointer, and the program dies there; the unwinding is not traced yet.
inline constexpr const char* kCloseUnwindsToANullCException =
    "a log exception out of the frame's close reaches the host's catch (CException*) as a null pointer";
// Wine's tooltip shows after its initial delay, where the real cursor is.
inline constexpr const char* kTooltipWaitsForItsTimer =
    "Wine's tooltip shows after its delay at the real cursor; the simulated user's hover reads it at once";
} // namespace measure_test::windows_causes
