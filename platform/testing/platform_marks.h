// Known differences between the platforms, marked at the assertion, as Wine's conformance tests mark
// theirs with todo_wine: on the platform named, the statement is expected to fail its assertion once,
// and a pass there fails the test, so the mark is removed the day the difference goes away. Each mark
// gives its reason and is counted in the run's summary ("[  MARKED  ]" lines).
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
#else
#define BR_FAILS_ON_WINDOWS(reason, statement) statement
#endif
