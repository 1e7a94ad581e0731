// The two ways the library rounds a magnitude, exported only so the tests can hold them against each
// other: the quick one must give the same answer as the digit one wherever it answers at all.
#pragma once

#include "calcutil.h"

#include <cstdint>

namespace calcutil::detail {

enum class Mode { HalfUp, Up, Down };

// A rounded magnitude: units * 10^(zeros - digits). The zeros stay separate because a value such as
// 1e300 has far more digits than any integer type holds.
struct Rounded {
    std::uint64_t units;
    int zeros;
};

// Rounds the shortest text of `magnitude` (finite, >= 0) at 10^-digits, digit by digit. Always answers.
CALCUTIL_API Rounded RoundDigits(double magnitude, int digits, Mode mode);

// Same answer as RoundDigits with zeros == 0, from magnitude * 10^digits; declines (returns false) when
// the value is outside the range where that product decides the result reliably.
CALCUTIL_API bool RoundFast(double magnitude, int digits, Mode mode, std::uint64_t& units);

// The double nearest to the decimal r at 10^-digits.
CALCUTIL_API double ToDouble(Rounded r, int digits);

} // namespace calcutil::detail
