// Known differences between the platforms, marked at the assertion, as Wine's conformance tests mark
// theirs with todo_wine. Each mark gives its reason and is counted in the run's summary ("[  MARKED  ]"
// lines, scripts/differential).
//
// BR_FAILS_ON_WINDOWS: on Windows the statement is expected to fail its assertion, and a pass there
// fails the test, so the mark is removed the day the difference goes away.
// BR_STANDIN_ONLY: behaviour that exists only in the stand-in (a test switch, a headless rule):
// on Windows the statement is not run at all.
#pragma once

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdio>

#ifdef _WIN32
#define BR_FAILS_ON_WINDOWS(reason, statement)                                                               \
    do {                                                                                                     \
        std::printf("[  MARKED  ] %s\n", reason);                                                            \
        EXPECT_NONFATAL_FAILURE(statement, "");                                                              \
    } while (0)
#define BR_STANDIN_ONLY(reason, statement)                                                                   \
    do {                                                                                                     \
        std::printf("[  MARKED  ] stand-in only: %s\n", reason);                                             \
    } while (0)
#else
#define BR_FAILS_ON_WINDOWS(reason, statement)                                                               \
    do {                                                                                                     \
        (void)(reason);                                                                                      \
        statement;                                                                                           \
    } while (0)
#define BR_STANDIN_ONLY(reason, statement)                                                                   \
    do {                                                                                                     \
        (void)(reason);                                                                                      \
        statement;                                                                                           \
    } while (0)
#endif
