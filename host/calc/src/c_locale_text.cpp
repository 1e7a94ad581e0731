// Number text in the C locale for both platforms. glibc's wcstod and swprintf follow the process
// locale and Windows' runtime follows its own; std::from_chars and std::to_chars follow none, on
// either, and are as fast as the C library's calls. Their input is narrow, so the wide text is copied
// to a stack buffer first (a heap one for the rare text longer than it).
#include "calcutil.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <system_error>

namespace calcutil {
namespace {

bool IsCSpace(wchar_t ch) {
    return ch == L' ' || (ch >= L'\t' && ch <= L'\r');
}

// The characters a number of ours can be made of; from_chars decides where the number really ends.
bool MayBeInNumber(wchar_t ch) {
    return (ch >= L'0' && ch <= L'9') || (ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z') ||
           ch == L'.' || ch == L'-' || ch == L'+' || ch == L'(' || ch == L')' || ch == L'_';
}

// Out of range: from_chars leaves the value alone. The decimal exponent of the leading digit says
// which way it went: above the range gives an infinity, below it a zero.
double OutOfRange(const char* first, const char* last, bool negative) {
    long long exponent = 0;
    bool seenPoint = false, seenDigit = false;
    const char* p = first;
    for (; p != last && *p != 'e' && *p != 'E'; ++p) {
        if (*p == '.') {
            seenPoint = true;
        } else if (*p != '0' || seenDigit) {
            if (!seenDigit && seenPoint)
                --exponent; // the point was already passed: the first digit lies right of it
            seenDigit = true;
            if (!seenPoint)
                ++exponent;
        } else if (seenPoint) {
            --exponent; // a zero between the point and the first digit
        }
    }
    if (p != last) {
        long long written = 0;
        std::from_chars(p + 1 + (p[1] == '+'), last, written);
        exponent += written;
    }
    const double magnitude = exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -magnitude : magnitude;
}

double ParseNarrow(const char* first, const char* last) {
    const bool plus = first != last && *first == '+';
    if (plus && first + 1 != last && first[1] == '-')
        return 0.0; // "+-1" is no number
    first += plus;
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range)
        return OutOfRange(first + (*first == '-'), end, *first == '-');
    return error == std::errc() ? value : 0.0;
}

} // namespace

std::wstring Double2RawString(double value) {
    // A double never needs more than 309 digits before the point.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    return std::wstring(buffer, result.ptr);
}

double String2Double(const wchar_t* text) {
    if (!text)
        return 0.0;
    while (IsCSpace(*text))
        ++text;
    char buffer[512];
    std::size_t length = 0;
    while (length < sizeof buffer && MayBeInNumber(text[length])) {
        buffer[length] = static_cast<char>(text[length]);
        ++length;
    }
    if (length < sizeof buffer)
        return ParseNarrow(buffer, buffer + length);
    std::string whole(buffer, length);
    for (const wchar_t* p = text + length; MayBeInNumber(*p); ++p)
        whole.push_back(static_cast<char>(*p));
    return ParseNarrow(whole.data(), whole.data() + whole.size());
}

} // namespace calcutil
