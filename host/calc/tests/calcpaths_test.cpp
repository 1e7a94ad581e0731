#include "calcpaths.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

using namespace calcutil::detail;

namespace {

#ifndef CALC_ORACLE_VALUES
#define CALC_ORACLE_VALUES 1000000
#endif

double Parse(const std::string& text) {
    double v = 0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

// The double nearest to n * 10^-digits, or to (n + 1/2) * 10^-digits: a tie in the shortest-text sense.
double Decimal(std::uint64_t n, int digits, bool tie) {
    return Parse(std::to_string(n) + (tie ? "5" : "") + "e" + std::to_string(-digits - (tie ? 1 : 0)));
}

double Ulps(double x, int steps) {
    for (; steps > 0; --steps)
        x = std::nextafter(x, HUGE_VAL);
    for (; steps < 0; ++steps)
        x = std::nextafter(x, 0.0);
    return x;
}

// The quick path decides from magnitude * 10^digits and settles close calls by comparing doubles; the
// digit path reads the shortest text. Feed both the values where they could part: exact ties, grid
// points, their neighbours an ulp or two away, and plain random doubles, at every digit count the quick
// path accepts and a few it must refuse.
TEST(RoundPaths, QuickPathAgreesWithDigitPath) {
    std::mt19937_64 rng(7);
    const int values = CALC_ORACLE_VALUES / 2;
    long answered = 0, failures = 0;
    auto check = [&](double a, int digits) {
        if (!(a > 0) || !std::isfinite(a))
            return;
        for (Mode mode : {Mode::HalfUp, Mode::Up, Mode::Down}) {
            std::uint64_t quick = 0;
            if (!RoundFast(a, digits, mode, quick))
                continue;
            ++answered;
            const Rounded slow = RoundDigits(a, digits, mode);
            std::uint64_t expected = slow.units;
            for (int z = 0; z < slow.zeros && z < 20; ++z)
                expected *= 10;
            if (expected != quick && ++failures <= 10)
                ADD_FAILURE() << std::hexfloat << a << " at " << digits << " mode " << static_cast<int>(mode)
                              << ": quick " << quick << ", digits " << slow.units << "e" << slow.zeros;
        }
    };
    std::uniform_int_distribution<int> common(-2, 8), any(-23, 23), width(1, 15), kind(0, 5), step(-2, 2);
    for (int i = 0; i < values; ++i) {
        const int digits = i % 4 == 0 ? any(rng) : common(rng);
        const std::uint64_t n = rng() % (std::uint64_t{1} << (width(rng) * 10 / 3));
        switch (kind(rng)) {
        case 0:
        case 1:
            check(Ulps(Decimal(n, digits, true), step(rng)), digits);
            break;
        case 2:
        case 3:
            check(Ulps(Decimal(n, digits, false), step(rng)), digits);
            break;
        default: {
            // Any double whose product with 10^digits lands between 10^-3 and 10^15.
            std::uniform_real_distribution<double> exp10(-3.0 - digits, 15.0 - digits);
            check(std::pow(10.0, exp10(rng)), digits);
        }
        }
    }
    EXPECT_EQ(failures, 0);
    EXPECT_GT(answered, values); // the quick path does take most of them
    std::printf("quick path checked against digit path: %ld answers, %ld disagreements\n", answered,
                failures);
}

TEST(RoundPaths, QuickPathRefusesWhatItCannotDecide) {
    std::uint64_t units = 0;
    EXPECT_FALSE(RoundFast(1e14, 0, Mode::HalfUp, units));     // no room for 15 digits
    EXPECT_FALSE(RoundFast(1.5, 22, Mode::Down, units));       // 10^23 is not a double
    EXPECT_FALSE(RoundFast(1e-300, 300, Mode::Up, units));     // beyond the exact powers of ten
    EXPECT_FALSE(RoundFast(4.9e-324, 2, Mode::HalfUp, units)); // subnormal
    EXPECT_TRUE(RoundFast(1.005, 2, Mode::HalfUp, units));
    EXPECT_EQ(units, 101U);
}

// ToDouble must give the double nearest to the decimal, whether it takes the one-operation route or
// the parser.
TEST(RoundPaths, ToDoubleIsCorrectlyRounded) {
    std::mt19937_64 rng(11);
    for (int i = 0; i < 200000; ++i) {
        const Rounded r{rng() % 200000000000000000ULL >> (rng() % 57), static_cast<int>(rng() % 4)};
        const int digits = static_cast<int>(rng() % 61) - 30;
        const std::string text = std::to_string(r.units) +
                                 std::string(static_cast<std::size_t>(r.zeros), '0') + "e" +
                                 std::to_string(-digits);
        ASSERT_EQ(ToDouble(r, digits), Parse(text)) << text;
    }
}

} // namespace
