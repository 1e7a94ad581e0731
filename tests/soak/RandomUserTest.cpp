// The random user: thousands of steps drawn from everything a person and the host can do, with
// every invariant checked after each step. A failure prints its seed, the step it failed at, and
// the shortest list of steps found that fails the same way from a fresh host.
//
//   random_user_tests                      the CI run (the seed and step count compiled in)
//   random_user_tests --steps 1000000      a long run
//   random_user_tests --seed 42 --steps N  another sequence
#include "RandomUser.h"

#include <gtest/gtest.h>
#include <standin/hooks.h>
#include <WindowNesting.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

namespace reliability {
namespace {

struct SoakOptions {
    uint64_t seed = BR_SOAK_SEED;
    size_t steps = BR_SOAK_STEPS;
    int shrinkSeconds = 300;
};

SoakOptions& Options() {
    static SoakOptions options;
    return options;
}

// The live objects at the moment of a failure: a leak that exhausts a quota after thousands of steps
// shows here, where the per-step check (made only while no window is open) does not. So does a thread
// whose window procedures can no longer nest (under Wine, after exceptions left them).
std::string LiveObjectsNow() {
    const standin::LiveObjects live = standin::CountLiveObjects();
    std::ostringstream out;
    out << "fonts " << live.fonts << ", brushes " << live.brushes << ", pens " << live.pens << ", dcs "
        << live.dcs << ", icons " << live.icons << ", menus " << live.menus << ", windows " << live.windows
        << "; window procedures nest " << measure_test::WindowNestingDepth() << " deep";
    return out.str();
}

std::string List(const std::vector<Step>& steps) {
    std::ostringstream out;
    for (size_t i = 0; i < steps.size(); ++i)
        out << "  " << i + 1 << ". " << Describe(steps[i]) << '\n';
    return out.str();
}

TEST(RandomUser, EveryStepKeepsEveryInvariant) {
    DialogHost world{kSurvivingHost};
    const SoakOptions& options = Options();
    std::printf("random user: seed %llu, %zu steps\n", static_cast<unsigned long long>(options.seed),
                options.steps);
    std::fflush(stdout);
    const std::vector<Step> steps = DrawSteps(options.seed, options.steps);

    const auto started = std::chrono::steady_clock::now();
    const RunOutcome outcome = RunSteps(world, steps);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("random user: %zu steps in %.1f s (%.0f steps/s); %d steps ended in an exception the host "
                "reported and survived\n",
                outcome.stepsRun, seconds, static_cast<double>(outcome.stepsRun) / seconds,
                outcome.exceptionsEscaped);
    std::printf(
        "random user: checks made: display %ld, new windows %ld, stored options %ld, no-window objects "
        "%ld; %.1f rows on average\n",
        outcome.checks.display, outcome.checks.newWindows, outcome.checks.stored, outcome.checks.noWindow,
        static_cast<double>(outcome.checks.rows) /
            static_cast<double>(std::max<size_t>(outcome.stepsRun, 1)));
    std::printf("random user: %d message boxes answered, %d popup menus, %d draw requests\n",
                outcome.messageBoxes, outcome.menus, outcome.draws);
    for (const auto& [what, count] : outcome.escapedByWhat)
        std::printf("random user: %d x reached the host: %s\n", count, what.c_str());
    std::fflush(stdout);
    if (outcome.failure.empty())
        return;

    const std::string liveAtFailure = LiveObjectsNow();
    const std::string kind = FailureKind(outcome.failure);
    const std::vector<Step> failing(steps.begin(),
                                    steps.begin() + static_cast<std::ptrdiff_t>(outcome.failingStep) + 1);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(options.shrinkSeconds);
    int tries = 0;
    const std::vector<Step> shortest = Shrink(
        failing,
        [&](const std::vector<Step>& candidate) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            ++tries;
            const RunOutcome again = RunSteps(world, candidate);
            return !again.failure.empty() && FailureKind(again.failure) == kind;
        },
        2000);
    const RunOutcome shortestOutcome = RunSteps(world, shortest);
    ADD_FAILURE() << "seed " << options.seed << ", step " << outcome.failingStep + 1 << ": "
                  << outcome.failure << "\nlive objects at the failure: " << liveAtFailure
                  << "\nthe shortest list found (" << shortest.size() << " steps, " << tries
                  << " tries) fails with: "
                  << (shortestOutcome.failure.empty()
                          ? std::string("nothing: the same steps from a fresh host pass, so the cause is "
                                        "in the time taken or in the process's state, not in the steps")
                          : shortestOutcome.failure)
                  << "\n"
                  << List(shortest);
}

// The shrinking is what makes a failure readable; it must find the few steps that matter among many.
TEST(RandomUser, ShrinkingKeepsOnlyTheStepsThatMatter) {
    std::vector<Step> steps = DrawSteps(7, 400);
    steps[123] = Step{};
    steps[123].act = Act::Store;
    steps[123].a = 2;
    steps[301] = Step{};
    steps[301].act = Act::CloseButton;
    auto fails = [](const std::vector<Step>& candidate) {
        bool broken = false;
        for (const Step& step : candidate) {
            if (step.act == Act::Store && step.a == 2)
                broken = true;
            if (broken && step.act == Act::CloseButton)
                return true;
        }
        return false;
    };
    const std::vector<Step> shortest = Shrink(steps, fails, 2000);
    ASSERT_EQ(shortest.size(), 2u) << List(shortest);
    EXPECT_EQ(shortest[0].act, Act::Store);
    EXPECT_EQ(shortest[1].act, Act::CloseButton);
}

} // namespace
} // namespace reliability

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    auto& options = reliability::Options();
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--steps") == 0 && hasValue) {
            options.steps = std::strtoull(argv[++i], nullptr, 10);
        } else if (std::strcmp(argv[i], "--seed") == 0 && hasValue) {
            options.seed = std::strtoull(argv[++i], nullptr, 10);
        } else if (std::strcmp(argv[i], "--shrink-seconds") == 0 && hasValue) {
            options.shrinkSeconds = std::atoi(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: %s [--steps N] [--seed S] [--shrink-seconds T] [gtest flags]\n",
                         argv[0]);
            return 2;
        }
    }
    return RUN_ALL_TESTS();
}
