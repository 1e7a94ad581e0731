#include "RandomUser.h"

namespace reliability {

std::vector<Step> DrawSteps(uint64_t seed, size_t count) {
    std::mt19937_64 random(seed);
    int serial = 0;
    std::vector<Step> steps;
    steps.reserve(count);
    for (size_t i = 0; i < count; ++i)
        steps.push_back(DrawStep(random, serial));
    return steps;
}

RunOutcome RunSteps(DialogHost& world, const std::vector<Step>& steps) {
    RunOutcome outcome;
    world.fresh();
    Invariants invariants;
    invariants.start(world);
    for (size_t i = 0; i < steps.size(); ++i) {
        world.expireFaults();
        invariants.before(world, steps[i]);
        const std::string escaped = Perform(world, steps[i]);
        outcome.exceptionsEscaped += escaped.empty() ? 0 : 1;
        ++outcome.stepsRun;
        std::string failure = invariants.after(world, steps[i], escaped);
        if (!failure.empty()) {
            if (!escaped.empty())
                failure += " (escaped to the host: " + escaped + ")";
            outcome.failure = failure;
            outcome.failingStep = i;
            break;
        }
    }
    outcome.checks = invariants.m_counts;
    outcome.messageBoxes = world.m_answers.m_nBoxes;
    outcome.menus = world.m_answers.m_nMenus;
    outcome.draws = world.m_nDraws;
    outcome.escapedByWhat = world.m_escapedWhat;
    return outcome;
}

std::string FailureKind(const std::string& failure) {
    const size_t close = failure.find(']');
    return failure.empty() || failure[0] != '[' || close == std::string::npos ? failure
                                                                              : failure.substr(1, close - 1);
}

std::vector<Step> Shrink(std::vector<Step> steps,
                         const std::function<bool(const std::vector<Step>&)>& stillFails, int budget) {
    // A failure usually needs only the last steps before it: the shortest tail that still fails
    // spares the chunk search most of a long run.
    for (size_t tail = 8; tail < steps.size() && budget > 0; tail *= 2) {
        std::vector<Step> last(steps.end() - static_cast<std::ptrdiff_t>(tail), steps.end());
        --budget;
        if (stillFails(last)) {
            steps = std::move(last);
            break;
        }
    }
    size_t chunks = 2;
    while (steps.size() >= 2 && budget > 0) {
        const size_t size = steps.size();
        const size_t chunk = (size + chunks - 1) / chunks;
        bool reduced = false;
        for (size_t start = 0; start < size && budget > 0; start += chunk) {
            std::vector<Step> without(steps.begin(), steps.begin() + static_cast<std::ptrdiff_t>(start));
            without.insert(without.end(),
                           steps.begin() + static_cast<std::ptrdiff_t>(std::min(size, start + chunk)),
                           steps.end());
            --budget;
            if (!without.empty() && stillFails(without)) {
                steps = std::move(without);
                chunks = std::max<size_t>(chunks - 1, 2);
                reduced = true;
                break;
            }
        }
        if (!reduced) {
            if (chunk == 1)
                break;
            chunks = std::min(chunks * 2, steps.size());
        }
    }
    return steps;
}

} // namespace reliability
