// UTF-8 conversions of the framework; kept apart from the platform's so that the host libraries
// depend only on the public Win32 API.
#include "Utf8.h"

namespace brio::detail {
namespace {

constexpr char32_t kReplacement = 0xfffd;

bool isScalarValue(char32_t code) {
    return code <= 0x10ffff && (code < 0xd800 || code > 0xdfff);
}

} // namespace

std::string toUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (const wchar_t wide : text) {
        char32_t code = static_cast<char32_t>(wide);
        if (!isScalarValue(code))
            code = kReplacement;
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xc0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3f));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xe0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
            out += static_cast<char>(0x80 | (code & 0x3f));
        } else {
            out += static_cast<char>(0xf0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3f));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
            out += static_cast<char>(0x80 | (code & 0x3f));
        }
    }
    return out;
}

std::wstring fromUtf8(std::string_view text) {
    std::wstring out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t extra = 0;
        char32_t code = 0;
        char32_t least = 0;
        if (lead < 0x80) {
            out += static_cast<wchar_t>(lead);
            ++i;
            continue;
        }
        if ((lead & 0xe0) == 0xc0)
            extra = 1, code = lead & 0x1f, least = 0x80;
        else if ((lead & 0xf0) == 0xe0)
            extra = 2, code = lead & 0x0f, least = 0x800;
        else if ((lead & 0xf8) == 0xf0)
            extra = 3, code = lead & 0x07, least = 0x10000;
        bool valid = extra != 0;
        for (size_t k = 1; valid && k <= extra; ++k) {
            if (i + k >= text.size()) {
                valid = false;
                break;
            }
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xc0) == 0x80;
            code = (code << 6) | (next & 0x3f);
        }
        if (valid && code >= least && isScalarValue(code)) {
            out += static_cast<wchar_t>(code);
            i += extra + 1;
        } else {
            out += static_cast<wchar_t>(kReplacement);
            ++i;
        }
    }
    return out;
}

} // namespace brio::detail
