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
// Wine's list view runs a tracking loop on the right button's press that waits for the release (as
// comctl32's drag detection does); the simulated user posts the release only after the press was
// handled (platform/automation, RightClickAt).
inline constexpr const char* kPressWaitsForRelease =
    "the list's right-button press waits for its release, which the simulated user posts only afterwards";
// Wine's tooltip shows after its initial delay, where the real cursor is.
inline constexpr const char* kTooltipWaitsForItsTimer =
    "Wine's tooltip shows after its delay at the real cursor; the simulated user's hover reads it at once";
} // namespace measure_test::windows_causes
