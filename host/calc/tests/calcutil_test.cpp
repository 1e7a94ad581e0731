#include "calcutil.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>
#include <cwchar>
#include <limits>
#include <string>

using calcutil::DecimalRound2;
using calcutil::Double2RawString;
using calcutil::Double2String;
using calcutil::RoundPlace;
using calcutil::String2Double;

namespace {

constexpr int kHalfUp = 0, kUp = 3, kDown = 4;

std::wstring Zeros(int n) {
    return std::wstring(static_cast<std::size_t>(n), L'0');
}

TEST(DecimalRound2, RoundsTheShortestText) {
    struct Case {
        double value;
        int digits, method;
        double expected;
    } const cases[] = {
        // The binary value sits just below the tie; the user's text does not.
        {1.005, 2, kHalfUp, 1.01},
        {2.675, 2, kHalfUp, 2.68},
        {0.285, 2, kHalfUp, 0.29},
        {-1.005, 2, kHalfUp, -1.01},
        {1.0049999999999999, 2, kHalfUp, 1.01}, // the same double as 1.005
        {1.0050000000000001, 2, kHalfUp, 1.01},
        {1.0049999999999997, 2, kHalfUp, 1.0}, // the double below it
        // Already on the grid: up and down must leave the value alone even when x*100 is not integral.
        {68058.4, 2, kDown, 68058.4},
        {5058.1, 2, kUp, 5058.1},
        {-5058.1, 2, kUp, -5058.1},
        {0.07, 2, kUp, 0.07},
        {1.1, 1, kDown, 1.1},
        {1.001, 2, kUp, 1.01},
        {-1.001, 2, kUp, -1.01},
        {1.009, 2, kDown, 1.0},
        {-1.009, 2, kDown, -1.0},
        {0.5, 0, kHalfUp, 1.0},
        {-0.5, 0, kHalfUp, -1.0},
        {2.5, 0, kHalfUp, 3.0},
        {0.49999999999999994, 0, kHalfUp, 0.0},
        {1234.5, -2, kHalfUp, 1200.0},
        {1250.0, -2, kHalfUp, 1300.0},
        {1201.0, -2, kUp, 1300.0},
        {1299.0, -2, kDown, 1200.0},
        {0.1 + 0.2, 16, kDown, 0.3}, // 0.30000000000000004: 17 digits, above 10^14 after scaling
        {0.1 + 0.2, 17, kDown, 0.1 + 0.2},
        {1e-7, 6, kUp, 1e-6},
        {1e-7, 6, kHalfUp, 0.0},
        {5e-7, 6, kHalfUp, 1e-6},
        {1e15 + 0.125, 1, kDown, 1e15 + 0.125}, // shortest "1000000000000000.1"
        {1e15 + 0.25, 0, kUp, 1e15 + 1},
        {1e300, 2, kHalfUp, 1e300},
        {1e300, -301, kUp, 1e301},
        {1e300, -301, kHalfUp, 0.0},
        {5e300, -301, kHalfUp, 1e301},
        {4.9e300, -301, kHalfUp, 0.0},
        {1e300, -400, kUp, HUGE_VAL},
        {5e-324, 400, kHalfUp, 5e-324},
        {1.5e-320, 320, kHalfUp, 2e-320},
        {1.5e-320, 320, kDown, 1e-320},
        {123.456, INT_MAX, kUp, 123.456},
        {123.456, INT_MIN, kDown, 0.0},
        // Method numbers of the other function, and unknown ones.
        {1.001, 2, 1, 1.01},
        {1.009, 2, 2, 1.0},
        {1.005, 2, 7, 1.01},
        {1.005, 2, -1, 1.01},
    };
    for (const Case& c : cases) {
        const double r = DecimalRound2(c.value, c.digits, c.method, false);
        EXPECT_EQ(r, c.expected) << c.value << " at " << c.digits << " method " << c.method;
        EXPECT_EQ(std::signbit(r), std::signbit(c.expected)) << c.value;
        EXPECT_EQ(DecimalRound2(c.value, c.digits, c.method, true), r) << "flag changes nothing";
    }
}

TEST(DecimalRound2, ZeroResultsArePositive) {
    for (double v : {-0.4, -0.0, -1e-9, -0.0049}) {
        for (int method : {kHalfUp, kDown}) {
            const double r = DecimalRound2(v, v == -0.0049 ? 2 : 0, method, false);
            EXPECT_EQ(r, 0.0) << v;
            EXPECT_FALSE(std::signbit(r)) << v << " method " << method;
        }
    }
    EXPECT_FALSE(std::signbit(RoundPlace(-4.0, 0, 0)));
}

TEST(DecimalRound2, MethodsAreOrderedAndOneUnitApart) {
    for (double v : {0.0001, 0.015, 1.005, 2.675, 7.0, 123.456789, 99.995, 1e-7, 1e15 - 0.125, 0.1 + 0.7}) {
        for (double s : {v, -v}) {
            for (int d = -2; d <= 6; ++d) {
                const double down = DecimalRound2(s, d, kDown, false);
                const double half = DecimalRound2(s, d, kHalfUp, false);
                const double up = DecimalRound2(s, d, kUp, false);
                EXPECT_LE(std::fabs(down), std::fabs(half)) << s << " at " << d;
                EXPECT_LE(std::fabs(half), std::fabs(up)) << s << " at " << d;
                // The subtraction itself rounds: allow for it.
                EXPECT_LE(std::fabs(up - down), std::pow(10.0, -d) + std::fabs(s) * 1e-15)
                    << s << " at " << d;
                EXPECT_EQ(DecimalRound2(down, d, kUp, false), down) << "idempotent: " << s << " at " << d;
            }
        }
    }
}

TEST(DecimalRound2, NonFiniteValuesPassThrough) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(std::isnan(DecimalRound2(std::nan(""), 2, kHalfUp, false)));
    EXPECT_EQ(DecimalRound2(inf, 2, kUp, false), inf);
    EXPECT_EQ(DecimalRound2(-inf, -3, kDown, false), -inf);
    EXPECT_TRUE(std::isnan(RoundPlace(std::nan(""), 0, 1)));
}

TEST(RoundPlace, PlaceZeroIsTens) {
    struct Case {
        double value;
        int place, method;
        double expected;
    } const cases[] = {
        {1234.5, 0, 0, 1230},
        {1235, 0, 0, 1240},
        {-1235, 0, 0, -1240},
        {1231, 0, 1, 1240},
        {1239, 0, 2, 1230},
        {-1231, 0, 1, -1240},
        {1230, 0, 1, 1230},
        {4.9, 0, 0, 0},
        {5, 0, 0, 10},
        {0.01, 0, 1, 10},
        {2.5, -1, 0, 3},
        {150, 1, 0, 200},
        {1.005, -3, 0, 1.01},
        {1231, 0, 3, 1240},
        {1239, 0, 4, 1230},
        {1.5, INT_MIN, 0, 1.5},
        {1.5, INT_MAX, 1, HUGE_VAL},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RoundPlace(c.value, c.place, c.method), c.expected) << c.value << " place " << c.place;
}

TEST(Double2String, Texts) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double value;
        int digits;
        std::wstring text;
    } const cases[] = {
        {1.005, 2, L"1.01"},
        {2.675, 2, L"2.68"},
        {-2.675, 2, L"-2.68"},
        {0.285, 2, L"0.29"},
        {0.1, 2, L"0.10"},
        {-0.4, 0, L"0"},
        {-0.5, 0, L"-1"},
        {-0.004, 2, L"0.00"},
        {-0.0, 2, L"0.00"},
        {0.0, 0, L"0"},
        {-0.0049, 2, L"0.00"},
        {-0.005, 2, L"-0.01"},
        {9.995, 2, L"10.00"},
        {99999.5, 0, L"100000"},
        {1234.5, -2, L"1200"},
        {-1250, -2, L"-1300"},
        {-49, -2, L"0"},
        {1234567.891, 1, L"1234567.9"}, // no grouping
        {1e15, 2, L"1000000000000000.00"},
        {1e15 + 0.125, 3, L"1000000000000000.100"},
        {123456789012345.67, 2, L"123456789012345.67"},
        {1e-7, 7, L"0.0000001"},
        {1e-7, 6, L"0.000000"},
        {-5e-7, 6, L"-0.000001"},
        {1.5e-300, 301, L"0." + Zeros(299) + L"15"},
        {1e300, 2, L"1" + Zeros(300) + L".00"},
        {1e23, 0, L"1" + Zeros(23)},
        {-1.7976931348623157e308, 0, L"-17976931348623157" + Zeros(292)},
        {1.5, INT_MAX, L"1.5" + Zeros(999)},
        {1.5, INT_MIN, L"0"},
        {std::nan(""), 2, L"nan"},
        {-std::nan(""), 0, L"nan"},
        {inf, 2, L"inf"},
        {-inf, -3, L"-inf"},
    };
    for (const Case& c : cases) {
        const std::wstring text = Double2String(c.value, c.digits);
        EXPECT_EQ(text, c.text) << c.value << " at " << c.digits;
        // Whatever already had that many decimals must read back as itself.
        if (std::isfinite(c.value) && DecimalRound2(c.value, c.digits, kHalfUp, false) == c.value) {
            EXPECT_EQ(std::wcstod(text.c_str(), nullptr), c.value) << c.value;
        }
    }
}

// The rows' raw text and its reading, against the C library's own in the C locale the tests run in.
TEST(CLocaleText, RawTextIsPercentF) {
    const double values[] = {0.0,
                             -0.0,
                             12.5,
                             -1234.5678,
                             0.0000005,
                             0.0000015,
                             1e-7,
                             123456789.125,
                             1e300,
                             -std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::denorm_min()};
    for (double value : values) {
        wchar_t expected[400];
        std::swprintf(expected, 400, L"%f", value);
        EXPECT_EQ(Double2RawString(value), expected) << value;
    }
    EXPECT_EQ(Double2RawString(std::numeric_limits<double>::infinity()), L"inf");
    EXPECT_EQ(Double2RawString(-std::numeric_limits<double>::infinity()), L"-inf");
}

TEST(CLocaleText, ReadsAsWcstod) {
    const wchar_t* const texts[] = {
        L"12.500000", L"  -3.25",   L"+7",     L"1e3",
        L"2.5E-3x",   L".5",        L"5.",     L"-0",
        L"inf",       L"-Infinity", L"1e400",  L"-1e400",
        L"1e-400",    L"12,5",      L"\t\n42", L"0.1000000000000000055511151231257827"};
    for (const wchar_t* text : texts) {
        const double expected = std::wcstod(text, nullptr);
        const double read = String2Double(text);
        EXPECT_EQ(read, expected) << "\"" << std::string(text, text + std::wcslen(text)) << "\"";
        EXPECT_EQ(std::signbit(read), std::signbit(expected)) << std::string(text, text + std::wcslen(text));
    }
    // No number at all reads as +0, as C says; runtimes differ on the sign a lone "-" leaves.
    for (const wchar_t* text : {L"abc", L"", L"+-1", L"- 1", L"-"}) {
        EXPECT_EQ(String2Double(text), 0.0);
        EXPECT_FALSE(std::signbit(String2Double(text)));
    }
    EXPECT_TRUE(std::isnan(String2Double(L"nan")));
    EXPECT_EQ(String2Double(nullptr), 0.0);
    // A long text is read whole, past the stack buffer.
    const std::wstring longText = L"1" + Zeros(600) + L".5";
    EXPECT_EQ(String2Double(longText.c_str()), std::wcstod(longText.c_str(), nullptr));
}

TEST(Double2String, IgnoresTheProcessLocale) {
    const char* const decimalComma[] = {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "ru_RU.UTF-8"};
    const char* active = nullptr;
    for (const char* name : decimalComma) {
        if (std::setlocale(LC_ALL, name) && std::localeconv()->decimal_point[0] == ',') {
            active = name;
            break;
        }
    }
    if (!active) {
        std::setlocale(LC_ALL, "C");
        GTEST_SKIP() << "no decimal-comma locale installed";
    }
    const std::wstring text = Double2String(1234567.5, 2);
    const std::wstring negative = Double2String(-0.125, 2);
    const std::wstring raw = Double2RawString(12.5);
    const double read = String2Double(L"12.5");
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(text, L"1234567.50") << active;
    EXPECT_EQ(negative, L"-0.13") << active;
    EXPECT_EQ(raw, L"12.500000") << active;
    EXPECT_EQ(read, 12.5) << active;
}

} // namespace
