// Numbers to and from text for variant conversions, independent of the C library's locale.
// What this does NOT do: no currency symbols, no locale-specific separators or boolean words, no
// signed reading of &H values (&HFFFF is 65535 whatever the target type).
#include "variant_types.h"

#include <charconv>
#include <cmath>
#include <cwctype>

namespace ole {
namespace {

constexpr int kMaxExponent = 100000; // far beyond any double; keeps the arithmetic in int range
constexpr size_t kWideDigits = 38;   // every 38-digit decimal fits 127 bits

bool isBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f';
}
bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

int radixDigit(wchar_t c, int radix) {
    int value = -1;
    if (c >= L'0' && c <= L'9')
        value = c - L'0';
    else if (c >= L'a' && c <= L'f')
        value = c - L'a' + 10;
    else if (c >= L'A' && c <= L'F')
        value = c - L'A' + 10;
    return value < radix ? value : -1;
}

// Drops leading and trailing zeros, moving the exponent, so that equal values look alike.
void normalize(ParsedNumber& number) {
    const size_t first = number.digits.find_first_not_of('0');
    if (first == std::string::npos) {
        number.digits.clear();
        number.exponent = 0;
        return;
    }
    const size_t last = number.digits.find_last_not_of('0');
    number.exponent += static_cast<int>(number.digits.size() - 1 - last);
    number.digits = number.digits.substr(first, last - first + 1);
}

struct Cursor {
    const wchar_t* p;
    const wchar_t* end;
    bool atEnd() const { return p == end; }
    wchar_t peek() const { return p == end ? L'\0' : *p; }
    bool take(wchar_t c) {
        if (p != end && *p == c) {
            ++p;
            return true;
        }
        return false;
    }
    void skipBlanks() {
        while (p != end && isBlank(*p))
            ++p;
    }
};

enum class Radix { None, Read, Bad };

// &H and &O numbers; their digits go through the decimal form like every other number.
Radix readRadix(Cursor& in, ParsedNumber& number) {
    int radix = 0;
    if (in.peek() == L'&' && in.p + 1 != in.end) {
        const wchar_t kind = in.p[1];
        radix = (kind == L'H' || kind == L'h') ? 16 : (kind == L'O' || kind == L'o') ? 8 : 0;
    }
    if (radix == 0)
        return Radix::None;
    in.p += 2;
    Wide value = 0;
    bool any = false;
    for (int digit; (digit = radixDigit(in.peek(), radix)) >= 0; ++in.p) {
        any = true;
        if (value < (Wide{1} << 100)) // beyond this it overflows every target anyway
            value = value * radix + digit;
    }
    if (!any)
        return Radix::Bad;
    const std::wstring decimal = formatWide(value);
    number.digits.assign(decimal.begin(), decimal.end());
    number.exponent = 0;
    return Radix::Read;
}

bool readDecimal(Cursor& in, ParsedNumber& number) {
    bool any = false;
    while (isDigit(in.peek()) || (any && in.peek() == L',')) {
        if (in.peek() != L',') {
            number.digits += static_cast<char>(*in.p);
            any = true;
        }
        ++in.p;
    }
    int fractionDigits = 0;
    if (in.take(L'.')) {
        for (; isDigit(in.peek()); ++in.p, ++fractionDigits) {
            number.digits += static_cast<char>(*in.p);
            any = true;
        }
    }
    if (!any)
        return false;
    long exponent = 0;
    if (in.peek() == L'e' || in.peek() == L'E') {
        ++in.p;
        const bool negative = in.take(L'-');
        if (!negative)
            in.take(L'+');
        if (!isDigit(in.peek()))
            return false;
        for (; isDigit(in.peek()); ++in.p)
            exponent = std::min<long>(exponent * 10 + (*in.p - L'0'), kMaxExponent);
        if (negative)
            exponent = -exponent;
    }
    number.exponent = static_cast<int>(exponent) - fractionDigits;
    return true;
}

} // namespace

bool isValidVarType(VARTYPE vt) {
    if ((vt & ~(VT_TYPEMASK | VT_BYREF | VT_ARRAY)) != 0)
        return false;
    const VARTYPE base = vt & VT_TYPEMASK;
    if ((vt & (VT_BYREF | VT_ARRAY)) != 0 && base == VT_EMPTY)
        return false;
    return base <= VT_DECIMAL || (base >= VT_I1 && base <= VT_UINT);
}

HRESULT parseNumber(const wchar_t* text, unsigned length, ParsedNumber& number) {
    number = ParsedNumber{};
    if (text == nullptr)
        return DISP_E_TYPEMISMATCH;
    Cursor in{text, text + length};
    in.skipBlanks();
    const bool parenthesis = in.take(L'(');
    bool signed_ = false;
    if (!parenthesis) {
        if (in.take(L'-'))
            number.negative = signed_ = true;
        else
            signed_ = in.take(L'+');
    }
    const Radix radix = readRadix(in, number);
    if (radix == Radix::Bad || (radix == Radix::None && !readDecimal(in, number)))
        return DISP_E_TYPEMISMATCH;
    if (parenthesis) {
        if (!in.take(L')'))
            return DISP_E_TYPEMISMATCH;
        number.negative = true;
    } else if (!signed_) {
        in.skipBlanks();
        if (in.take(L'-'))
            number.negative = true;
        else
            in.take(L'+');
    }
    in.skipBlanks();
    if (!in.atEnd())
        return DISP_E_TYPEMISMATCH;
    normalize(number);
    if (number.digits.empty())
        number.negative = false;
    return S_OK;
}

HRESULT roundToWide(const ParsedNumber& number, Wide& value) {
    value = 0;
    const auto count = static_cast<long>(number.digits.size());
    const long integerDigits = count + number.exponent;
    if (integerDigits > static_cast<long>(kWideDigits))
        return DISP_E_OVERFLOW;
    Wide magnitude = 0;
    for (long i = 0; i < integerDigits; ++i)
        magnitude = magnitude * 10 + (i < count ? number.digits[i] - '0' : 0);
    // The first dropped digit decides; a 5 with nothing after it is the tie, which goes to even.
    // Trailing zeros were removed, so any digit after that 5 makes it more than a half.
    if (integerDigits >= 0 && integerDigits < count) {
        const char first = number.digits[integerDigits];
        const bool more = integerDigits + 1 < count;
        if (first > '5' || (first == '5' && (more || magnitude % 2 != 0)))
            ++magnitude;
    }
    value = number.negative ? -magnitude : magnitude;
    return S_OK;
}

HRESULT roundToWide(double number, Wide& value) {
    value = 0;
    if (!std::isfinite(number) || std::fabs(number) >= 0x1p120)
        return DISP_E_OVERFLOW;
    // number - floor(number) is exact for doubles, so the tie test needs no tolerance.
    double whole = std::floor(number);
    const double fraction = number - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    value = static_cast<Wide>(whole);
    return S_OK;
}

double toDouble(const ParsedNumber& number) {
    if (number.digits.empty())
        return 0.0;
    const std::string text = number.digits + "e" + std::to_string(number.exponent);
    double magnitude = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        const long scale = static_cast<long>(number.digits.size()) + number.exponent;
        magnitude = scale > 0 ? HUGE_VAL : 0.0;
    }
    return number.negative ? -magnitude : magnitude;
}

bool parseBoolWord(const wchar_t* text, unsigned length, bool& value) {
    // The word is the whole text: the system reads blanks around a number, not around a word.
    std::wstring word;
    for (const wchar_t* p = text; p != text + length; ++p)
        word += static_cast<wchar_t>(std::towlower(*p));
    if (word == L"true")
        value = true;
    else if (word == L"false")
        value = false;
    else
        return false;
    return true;
}

std::wstring formatWide(Wide value) {
    if (value == 0)
        return L"0";
    const bool negative = value < 0;
    std::wstring text;
    for (; value != 0; value /= 10) {
        const auto digit = static_cast<int>(value % 10);
        text.insert(text.begin(), static_cast<wchar_t>(L'0' + (negative ? -digit : digit)));
    }
    if (negative)
        text.insert(text.begin(), L'-');
    return text;
}

std::wstring formatDouble(double value, int significant) {
    if (std::isnan(value))
        return L"NaN";
    if (std::isinf(value))
        return value > 0 ? L"Infinity" : L"-Infinity";
    if (value == 0.0)
        return L"0";
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof(buffer), value, std::chars_format::general, significant);
    std::wstring text;
    for (const char* p = buffer; p != result.ptr; ++p)
        text += static_cast<wchar_t>(*p == 'e' ? 'E' : *p);
    return text;
}

} // namespace ole
