// The rounding utility against any double and any digit count: it answers without a crash or a
// hang, its results are rounded already (idempotent), the three methods keep their order around
// the value, the text reads back through wcstod as the rounded value, RoundPlace is DecimalRound2
// seen from the other side, and the quick path agrees with the digit path wherever it answers.
#include "FuzzInput.h"

#include <calcpaths.h>
#include <calcutil.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <cwchar>
#include <string>

namespace {

using fuzz::FuzzInput;
using fuzz::Require;

constexpr int kHalfUp = 0, kUp = 3, kDown = 4; // DecimalRound2's numbers
constexpr int kDigitLimit = 1000;              // the utility treats larger counts as this

constexpr double kSpecials[] = {0.0,     -0.0,     1e-9,      1e15,    -1e15,  0.5,     -0.5,
                                1.005,   2.675,    -2.5,      0.125,   1e300,  -1e300,  DBL_MAX,
                                DBL_MIN, 4.9e-324, 1e22,      1e23,    9.5e-7, 0.45,    5e-7,
                                1234.5,  99.995,   1e-300,    123.456, 0.0005, -0.0005, 9007199254740993.0,
                                0.1,     0.7,      1e14 - 0.5};

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

bool Same(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
}

double PickValue(FuzzInput& in) {
    switch (in.byte() % 4) {
    case 0:
        return in.raw<double>(); // any bit pattern: NaNs, infinities, subnormals
    case 1: {
        // A decimal with up to 22 places, where ties and near-ties live.
        const auto mantissa = in.inRange(-(1LL << 53), 1LL << 53);
        return static_cast<double>(mantissa) / std::pow(10.0, static_cast<double>(in.inRange(0, 22)));
    }
    case 2:
        return kSpecials[in.inRange(0, std::size(kSpecials) - 1)];
    default: {
        const auto mantissa = in.inRange(-(1LL << 53), 1LL << 53);
        return static_cast<double>(mantissa) * std::pow(10.0, static_cast<double>(in.inRange(-320, 300)));
    }
    }
}

int PickDigits(FuzzInput& in) {
    if (in.byte() % 8 == 0)
        return in.raw<int>(); // INT_MIN and the other absurd counts must still answer
    return static_cast<int>(in.inRange(-25, 25));
}

// The shape every number text has: an optional "-", digits, and exactly `decimals` places after a
// point when decimals > 0; no exponent, no grouping, never a minus before a zero.
void CheckShape(const std::wstring& text, int decimals, double value, int digits) {
    size_t at = 0;
    const bool minus = !text.empty() && text[0] == L'-';
    at += minus ? 1 : 0;
    size_t whole = 0;
    while (at < text.size() && IsDigit(text[at]))
        ++at, ++whole;
    Require(whole > 0, "no digits in \"%ls\" for %.17g at %d", text.c_str(), value, digits);
    if (decimals > 0) {
        Require(at < text.size() && text[at] == L'.', "no point in \"%ls\" for %.17g at %d", text.c_str(),
                value, digits);
        ++at;
        size_t places = 0;
        while (at < text.size() && IsDigit(text[at]))
            ++at, ++places;
        Require(places == static_cast<size_t>(decimals), "%zu places in \"%ls\" for %.17g at %d", places,
                text.c_str(), value, digits);
    }
    Require(at == text.size(), "stray characters in \"%ls\" for %.17g at %d", text.c_str(), value, digits);
    if (minus)
        Require(text.find_first_not_of(L"-0.") != std::wstring::npos, "a minus zero \"%ls\" for %.17g at %d",
                text.c_str(), value, digits);
}

void CheckMethods(double value, int digits) {
    const double half = calcutil::DecimalRound2(value, digits, kHalfUp, false);
    const double up = calcutil::DecimalRound2(value, digits, kUp, false);
    const double down = calcutil::DecimalRound2(value, digits, kDown, false);

    if (!std::isfinite(value)) {
        Require(Same(half, value) && Same(up, value) && Same(down, value), "%.17g did not pass through",
                value);
        return;
    }
    for (const double r : {half, up, down}) {
        Require(r != 0 || !std::signbit(r), "-0 from %.17g at %d", value, digits);
        Require(r == 0 || std::signbit(r) == std::signbit(value), "%.17g changed sign at %d", value, digits);
    }
    // Down is toward zero, up away from it, half up in between; the value itself lies between
    // the two directed ones.
    const double a = std::fabs(value);
    Require(std::fabs(down) <= a && a <= std::fabs(up), "%.17g at %d: down %.17g up %.17g", value, digits,
            down, up);
    Require(std::fabs(down) <= std::fabs(half) && std::fabs(half) <= std::fabs(up),
            "%.17g at %d: down %.17g half %.17g up %.17g", value, digits, down, half, up);
    // A rounded value is rounded already, whichever method comes second.
    for (const double r : {half, up, down})
        for (const int method : {kHalfUp, kUp, kDown})
            Require(Same(calcutil::DecimalRound2(r, digits, method, false), r),
                    "%.17g at %d: %.17g moves again under method %d", value, digits, r, method);
}

void CheckText(double value, int digits) {
    const std::wstring text = calcutil::Double2String(value, digits);
    if (std::isnan(value)) {
        Require(text == L"nan", "NaN gave \"%ls\"", text.c_str());
        return;
    }
    if (std::isinf(value)) {
        Require(text == (value < 0 ? L"-inf" : L"inf"), "%g gave \"%ls\"", value, text.c_str());
        return;
    }
    const int clamped = digits < -kDigitLimit ? -kDigitLimit : digits > kDigitLimit ? kDigitLimit : digits;
    CheckShape(text, clamped > 0 ? clamped : 0, value, digits);
    // The text is the half-up rounding, and it reads back as exactly that double.
    const double half = calcutil::DecimalRound2(value, digits, kHalfUp, false);
    const double back = std::wcstod(text.c_str(), nullptr);
    Require(Same(back + 0.0, half), "\"%ls\" reads back as %.17g, the rounding is %.17g (%.17g at %d)",
            text.c_str(), back, half, value, digits);
    Require(calcutil::Double2String(half, digits) == text, "the text of %.17g at %d changes once rounded",
            value, digits);
}

void CheckPlace(double value, int place) {
    const int methods[][2] = {{0, kHalfUp}, {1, kUp}, {2, kDown}};
    for (const auto& [placeMethod, decimalMethod] : methods) {
        const double byPlace = calcutil::RoundPlace(value, place, placeMethod);
        const double byDigits = calcutil::DecimalRound2(value, -(place + 1), decimalMethod, false);
        Require(Same(byPlace, byDigits), "%.17g: place %d method %d gives %.17g, digits give %.17g", value,
                place, placeMethod, byPlace, byDigits);
    }
}

void CheckPaths(double value, int digits) {
    using namespace calcutil::detail;
    const double magnitude = std::fabs(value);
    if (!std::isfinite(magnitude) || magnitude == 0)
        return;
    for (const Mode mode : {Mode::HalfUp, Mode::Up, Mode::Down}) {
        std::uint64_t quick = 0;
        if (!RoundFast(magnitude, digits, mode, quick))
            continue;
        const Rounded slow = RoundDigits(magnitude, digits, mode);
        // The digit path may keep trailing zeros apart; compare the integers they stand for.
        Require(slow.zeros >= 0 && slow.zeros < 20, "%.17g at %d: %d zeros", value, digits, slow.zeros);
        std::uint64_t whole = slow.units;
        for (int i = 0; i < slow.zeros; ++i)
            whole *= 10;
        Require(whole == quick, "%.17g at %d mode %d: quick %llu, digits %llu", value, digits,
                static_cast<int>(mode), static_cast<unsigned long long>(quick),
                static_cast<unsigned long long>(whole));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const double value = PickValue(in);
    const int digits = PickDigits(in);
    CheckMethods(value, digits);
    CheckText(value, digits);
    CheckPlace(value, static_cast<int>(in.inRange(-30, 30)));
    if (digits >= -kDigitLimit && digits <= kDigitLimit)
        CheckPaths(value, digits);
    return 0;
}
