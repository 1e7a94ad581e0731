// Runs the random user: a list of steps carried out on a fresh host with the invariants checked
// after each, and the shrinking of a failing list to the shortest one that still fails the same
// way (delta debugging: drop ever smaller chunks, keep what still fails, each try from a fresh
// host).
//
// What it does NOT do: no shrinking of a crash (a crash ends the process; the seed printed at the
// start of a run reproduces it), no parallel runs.
#pragma once

#include "Invariants.h"
#include "Steps.h"

#include <DialogHost.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace reliability {

struct RunOutcome {
    size_t stepsRun = 0;
    std::string failure;       // "" when every step kept every invariant
    size_t failingStep = 0;    // index of the step after which it failed
    int exceptionsEscaped = 0; // steps after which the host's loop reported an exception
    CheckCounts checks;
    int messageBoxes = 0; // answered by the random user
    int menus = 0;
    int draws = 0; // draw requests the host handled
    std::map<std::string, int> escapedByWhat;
};

// The steps one seed draws.
std::vector<Step> DrawSteps(uint64_t seed, size_t count);

// Carries the steps out on a fresh host; stops at the first broken invariant.
RunOutcome RunSteps(DialogHost& world, const std::vector<Step>& steps);

// The name of a failure ("[total] ..." gives "total").
std::string FailureKind(const std::string& failure);

// The smallest list found that still fails with `kind` (`stillFails` decides, one try per call),
// within `budget` tries.
std::vector<Step> Shrink(std::vector<Step> steps,
                         const std::function<bool(const std::vector<Step>&)>& stillFails, int budget);

} // namespace reliability
