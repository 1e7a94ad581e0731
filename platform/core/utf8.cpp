// UTF-8 conversion without locale dependence: the C library's converters follow the process locale,
// which is "C" in tests.
//
// Does NOT: join UTF-16 surrogate pairs (wchar_t is 32 bits here, so a surrogate is never part of a
// character).
#include "core/utf8.h"

namespace standin {

namespace {

bool IsScalarValue(char32_t c) {
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

// The continuation bytes a lead byte announces; 0 for a byte that begins no sequence (C0 and C1
// would begin only overlong forms, F5 and above only values beyond U+10FFFF).
size_t ContinuationCount(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF)
        return 1;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 2;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 3;
    return 0;
}

} // namespace

std::string ToUtf8(std::wstring_view text, bool* invalid) {
    if (invalid != nullptr)
        *invalid = false;
    std::string out;
    out.reserve(text.size());
    for (wchar_t wc : text) {
        auto c = static_cast<char32_t>(wc);
        if (!IsScalarValue(c)) {
            c = 0xFFFD; // not a character: the replacement character stands in
            if (invalid != nullptr)
                *invalid = true;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::wstring FromUtf8(std::string_view text, bool* invalid) {
    if (invalid != nullptr)
        *invalid = false;
    const auto byteAt = [&](size_t index) { return static_cast<unsigned char>(text[index]); };
    std::wstring out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const unsigned char lead = byteAt(i);
        if (lead < 0x80) {
            out += static_cast<wchar_t>(lead);
            ++i;
            continue;
        }
        const size_t needed = ContinuationCount(lead);
        char32_t c = lead & (needed == 1 ? 0x1F : needed == 2 ? 0x0F : 0x07);
        size_t taken = 1;
        bool complete = needed != 0;
        for (size_t k = 0; complete && k < needed; ++k) {
            if (i + taken >= text.size() || (byteAt(i + taken) & 0xC0) != 0x80) {
                complete = false;
                break;
            }
            const size_t left = needed - k - 1;
            const char32_t next = (c << 6) | (byteAt(i + taken) & 0x3F);
            if (left == 1 && next >= (0x110000 >> 6)) {
                complete = false; // beyond U+10FFFF: this byte is not taken
                break;
            }
            c = next;
            ++taken;
            const bool overlongFour = needed == 3 && left == 2 && c < 0x10;
            const bool badThree = needed == 2 && left == 1 && (c < 0x20 || (c >= 0x360 && c <= 0x37F));
            if (overlongFour || badThree) {
                complete = false; // overlong, or a surrogate: this byte was taken
                break;
            }
        }
        if (complete && IsScalarValue(c)) {
            out += static_cast<wchar_t>(c);
        } else {
            out += L'\uFFFD';
            if (invalid != nullptr)
                *invalid = true;
        }
        i += taken;
    }
    return out;
}

} // namespace standin
