#include "calcutil.h"
#include "calcpaths.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace calcutil {
namespace detail {
namespace {

// 10^0 .. 10^22: every one is an exact double, so a product or quotient with an integer below 2^53 is
// rounded once, i.e. correctly.
constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kMaxExactPow10 = 22;

constexpr auto kPow10u = [] {
    std::array<std::uint64_t, 20> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 10;
    return p;
}();

constexpr int kDigitLimit = 1000;
constexpr std::uint64_t kTwo53 = 1ULL << 53;

// n * 10^-p for an integer n < 2^53 and |p| <= 22: a single correctly rounded operation.
double Scaled(std::uint64_t n, int p) {
    const double v = static_cast<double>(static_cast<std::int64_t>(n)); // one instruction, unlike unsigned
    return p >= 0 ? v / kPow10[p] : v * kPow10[-p];
}

Mode ModeOf(int method) {
    switch (method) {
    case 1:
    case 3:
        return Mode::Up;
    case 2:
    case 4:
        return Mode::Down;
    default:
        return Mode::HalfUp;
    }
}

// Writes the decimal digits of n ending just before `end`; returns the first digit.
char* WriteDigits(std::uint64_t n, char* end) {
    do {
        *--end = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    return end;
}

// Let S be the shortest decimal that reads back as `magnitude` (a), and s = 10^digits. The answer is
// decided by where S*s lies relative to the integers (up, down) or the half-integers (half up).
//  1. |S - a| <= ulp(a)/2 <= 2^-53 a and y = fl(a*s) is within 2^-53 y of a*s, so |S*s - y| <= 2^-52 y
//     (a little more); when y is further than eps = 2^-50 y from every decision point, S*s falls on the
//     same side of all of them as y does, and y alone decides.
//  2. Near a decision point T (in units of s) the candidate is the decimal D = T/s, which has at most 15
//     significant digits because y < 10^14. Let t = fl(D), the double D reads back as. If t == a, then
//     S == D: S is no longer than D, and two different decimals of at most 15 digits never read back as
//     the same double. If t != a, D is not in the set of decimals that read back as a while S is, and
//     those sets are disjoint intervals ordered as the doubles are, so S - D has the sign of a - t.
// Both need a normal, so tiny magnitudes go the digit way, as do products too large to carry 15 digits.
inline bool Quick(double magnitude, int digits, Mode mode, std::uint64_t& units) {
    if (digits < -(kMaxExactPow10 - 1) || digits > kMaxExactPow10 - 1 || !(magnitude >= 1e-280))
        return false;
    const double y = digits >= 0 ? magnitude * kPow10[digits] : magnitude / kPow10[-digits];
    if (!(y < 1e14))
        return false;
    const auto m = static_cast<std::uint64_t>(static_cast<std::int64_t>(y));
    const double frac = y - static_cast<double>(static_cast<std::int64_t>(m)); // exact
    const double eps = y * 0x1p-50;
    switch (mode) {
    case Mode::HalfUp:
        if (std::fabs(frac - 0.5) > eps)
            units = m + (frac > 0.5 ? 1 : 0);
        else // T = m + 1/2, D = (10m + 5) * 10^-(digits + 1)
            units = m + (magnitude >= Scaled(10 * m + 5, digits + 1) ? 1 : 0);
        return true;
    case Mode::Up:
        if (frac > eps && frac < 1 - eps)
            units = m + 1;
        else if (frac <= eps) // y > 0, so this never happens with m == 0
            units = m + (magnitude > Scaled(m, digits) ? 1 : 0);
        else
            units = m + 1 + (magnitude > Scaled(m + 1, digits) ? 1 : 0);
        return true;
    case Mode::Down:
        if (frac > eps && frac < 1 - eps)
            units = m;
        else if (frac <= eps)
            units = m - (magnitude < Scaled(m, digits) ? 1 : 0);
        else
            units = m + (magnitude >= Scaled(m + 1, digits) ? 1 : 0);
        return true;
    }
    return false;
}

Rounded RoundMagnitude(double magnitude, int digits, Mode mode) {
    std::uint64_t units;
    if (Quick(magnitude, digits, mode, units))
        return {units, 0};
    return RoundDigits(magnitude, digits, mode);
}

double Round(double value, int digits, Mode mode) {
    if (!std::isfinite(value))
        return value;
    const double magnitude = std::fabs(value);
    if (magnitude == 0)
        return 0.0;
    digits = std::clamp(digits, -kDigitLimit, kDigitLimit);
    double r;
    std::uint64_t units;
    if (Quick(magnitude, digits, mode, units))
        r = Scaled(units, digits);
    else
        r = ToDouble(RoundDigits(magnitude, digits, mode), digits);
    // Adding +0 turns a -0 result into +0: a "-0" reaching some later printf is exactly what the user
    // must never see. Branch-free, as zero and non-zero results alternate unpredictably.
    return std::copysign(r, value) + 0.0;
}

// The text of sign * r at 10^-digits: the integer units * 10^zeros with the point `digits` places from
// its right end (or `-digits` more zeros when digits < 0).
std::wstring Text(bool negative, Rounded r, int digits) {
    if (r.units == 0)
        return digits > 0 ? L"0." + std::wstring(static_cast<std::size_t>(digits), L'0') : L"0";
    char buf[24];
    char* const end = buf + sizeof buf;
    const char* head = WriteDigits(r.units, end);
    const int headLen = static_cast<int>(end - head);
    const int intLen = headLen + r.zeros; // digits of the scaled integer
    int length = negative ? 1 : 0;
    if (digits <= 0)
        length += intLen - digits;
    else
        length += (intLen > digits ? intLen : digits + 1) + 1;

    std::wstring out(static_cast<std::size_t>(length), L'0');
    wchar_t* o = out.data();
    if (negative)
        *o++ = L'-';
    if (digits <= 0) {
        for (int i = 0; i < headLen; ++i)
            o[i] = static_cast<wchar_t>(head[i]);
        return out;
    }
    // Integer part, point, fraction: position i of the scaled integer is head[i] or a padding zero.
    const int pointAt = intLen - digits; // digits before the point, <= 0 when the value is below 1
    int pos = 0;
    if (pointAt <= 0) {
        *o++ = L'0';
    } else {
        for (; pos < pointAt; ++pos)
            *o++ = pos < headLen ? static_cast<wchar_t>(head[pos]) : L'0';
    }
    *o++ = L'.';
    o += pointAt < 0 ? -pointAt : 0; // leading fraction zeros, already there
    for (; pos < intLen; ++pos)
        *o++ = pos < headLen ? static_cast<wchar_t>(head[pos]) : L'0';
    return out;
}

} // namespace

Rounded RoundDigits(double magnitude, int digits, Mode mode) {
    if (magnitude == 0)
        return {0, 0};
    // Shortest round-trip digits in scientific form: d.ddddde[+-]xx, at most 17 digits.
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
    std::uint64_t mantissa = 0;
    int count = 0;
    const char* p = buf;
    for (; p < res.ptr && *p != 'e'; ++p) {
        if (*p != '.') {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p - '0');
            ++count;
        }
    }
    ++p;
    const bool negativeExp = *p++ == '-';
    int exp10 = 0;
    for (; p < res.ptr; ++p)
        exp10 = exp10 * 10 + (*p - '0');
    if (negativeExp)
        exp10 = -exp10;

    // The leading digit weighs 10^exp10; `keep` digits weigh 10^-digits or more.
    const int keep = exp10 + 1 + digits;
    if (keep >= count)
        return {mantissa, keep - count};
    if (keep <= 0) {
        // Everything is dropped; the first dropped digit is the leading one only when keep == 0.
        const bool up =
            mode == Mode::Up || (mode == Mode::HalfUp && keep == 0 && mantissa >= 5 * kPow10u[count - 1]);
        return {up ? 1U : 0U, 0};
    }
    const int dropped = count - keep;
    const std::uint64_t head = mantissa / kPow10u[dropped];
    const std::uint64_t rest = mantissa % kPow10u[dropped];
    bool up = false;
    if (mode == Mode::Up)
        up = rest != 0;
    else if (mode == Mode::HalfUp)
        up = rest >= 5 * kPow10u[dropped - 1];
    return {head + (up ? 1 : 0), 0};
}

bool RoundFast(double magnitude, int digits, Mode mode, std::uint64_t& units) {
    return Quick(magnitude, digits, mode, units);
}

double ToDouble(Rounded r, int digits) {
    if (r.units == 0)
        return 0.0;
    const int exp10 = r.zeros - digits;
    if (r.units < kTwo53 && exp10 >= -kMaxExactPow10 && exp10 <= kMaxExactPow10)
        return Scaled(r.units, -exp10);
    // Beyond the exact powers: let the correctly rounded parser do the one rounding.
    // 20 digits, 'e', sign and at most 4 exponent digits: the buffer cannot run out.
    char buf[48];
    char* p = std::to_chars(buf, buf + 24, r.units).ptr;
    *p = 'e';
    p = std::to_chars(p + 1, buf + sizeof buf, exp10).ptr;
    double v = 0;
    const auto res = std::from_chars(buf, p, v);
    if (res.ec == std::errc::result_out_of_range)
        return exp10 > 0 ? HUGE_VAL : 0.0;
    return v;
}

} // namespace detail

double RoundPlace(double value, int place, int method) {
    // Widen before negating so that an absurd place cannot overflow; Round clamps anyway.
    const long long digits = -(static_cast<long long>(place) + 1);
    return detail::Round(
        value, static_cast<int>(std::clamp<long long>(digits, -detail::kDigitLimit, detail::kDigitLimit)),
        detail::ModeOf(method));
}

double DecimalRound2(double value, int digits, int method, bool /*flag*/) {
    return detail::Round(value, digits, detail::ModeOf(method));
}

std::wstring Double2String(double value, int digits) {
    if (std::isnan(value))
        return L"nan";
    if (std::isinf(value))
        return value < 0 ? L"-inf" : L"inf";
    digits = std::clamp(digits, -detail::kDigitLimit, detail::kDigitLimit);
    const double magnitude = std::fabs(value);
    const detail::Rounded r = magnitude == 0
                                  ? detail::Rounded{0, 0}
                                  : detail::RoundMagnitude(magnitude, digits, detail::Mode::HalfUp);
    return detail::Text(value < 0 && r.units != 0, r, digits);
}

} // namespace calcutil
