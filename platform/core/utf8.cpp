// UTF-8 conversion without locale dependence: the C library's converters follow the process locale,
// which is "C" in tests.
//
// Does NOT: join UTF-16 surrogate pairs (wchar_t is 32 bits here, so a surrogate is never part of a
// character); malformed bytes come back as U+FFFD, one for each byte.
#include "core/utf8.h"

namespace standin {

namespace {

bool IsScalarValue(char32_t c) {
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
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
    std::wstring out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            out += static_cast<wchar_t>(lead);
            ++i;
            continue;
        }
        size_t extra = 0;
        char32_t c = 0;
        char32_t least = 0; // below this the sequence is an overlong form
        if ((lead & 0xE0) == 0xC0)
            extra = 1, c = lead & 0x1F, least = 0x80;
        else if ((lead & 0xF0) == 0xE0)
            extra = 2, c = lead & 0x0F, least = 0x800;
        else if ((lead & 0xF8) == 0xF0)
            extra = 3, c = lead & 0x07, least = 0x10000;
        bool valid = extra != 0 && i + extra < text.size();
        for (size_t k = 1; valid && k <= extra; ++k) {
            auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        if (valid && c >= least && IsScalarValue(c)) {
            out += static_cast<wchar_t>(c);
            i += extra + 1;
        } else {
            out += L'\uFFFD';
            ++i;
            if (invalid != nullptr)
                *invalid = true;
        }
    }
    return out;
}

} // namespace standin
