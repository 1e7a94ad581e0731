#include "script/JsonWriter.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace host::script {

namespace {

void AppendUtf8(std::string& out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        c = 0xFFFD;
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

} // namespace

std::string ToUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        AppendUtf8(out, static_cast<char32_t>(static_cast<std::make_unsigned_t<wchar_t>>(c)));
    }
    return out;
}

bool FromUtf8(std::string_view text, std::wstring& out) {
    out.clear();
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t c = 0;
        char32_t least = 0;
        if (lead < 0x80) {
            c = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1, c = lead & 0x1F, least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2, c = lead & 0x0F, least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3, c = lead & 0x07, least = 0x10000;
        } else {
            return false;
        }
        if (i + extra >= text.size() && extra > 0) {
            return false; // cut short
        }
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            c = (c << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            return false;
        }
        out += static_cast<wchar_t>(c);
        i += extra + 1;
    }
    return true;
}

JsonWriter& JsonWriter::beginObject() {
    beforeValue();
    m_text += '{';
    m_open.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    m_text += '}';
    m_open.pop_back();
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    beforeValue();
    m_text += '[';
    m_open.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    m_text += ']';
    m_open.pop_back();
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    if (!m_open.empty()) {
        if (m_open.back()) {
            m_text += ',';
        }
        m_open.back() = true;
    }
    appendQuoted(name);
    m_text += ':';
    m_afterKey = true;
    return *this;
}

void JsonWriter::beforeValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_open.empty()) {
        if (m_open.back()) {
            m_text += ',';
        }
        m_open.back() = true;
    }
}

void JsonWriter::appendQuoted(std::string_view utf8) {
    m_text += '"';
    for (char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"':
            m_text += "\\\"";
            break;
        case '\\':
            m_text += "\\\\";
            break;
        case '\n':
            m_text += "\\n";
            break;
        case '\r':
            m_text += "\\r";
            break;
        case '\t':
            m_text += "\\t";
            break;
        default:
            if (c < 0x20 || c == 0x7F) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                m_text += escaped;
            } else {
                m_text += ch;
            }
        }
    }
    m_text += '"';
}

JsonWriter& JsonWriter::value(std::string_view utf8) {
    beforeValue();
    appendQuoted(utf8);
    return *this;
}

JsonWriter& JsonWriter::value(std::wstring_view text) {
    return value(std::string_view(ToUtf8(text)));
}

JsonWriter& JsonWriter::value(bool flag) {
    beforeValue();
    m_text += flag ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::value(long long number) {
    beforeValue();
    m_text += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::value(double number) {
    if (!std::isfinite(number)) {
        return null();
    }
    beforeValue();
    char buffer[32];
    // Shortest text that reads back as the same double: stable across machines and locales.
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    m_text.append(buffer, result.ptr);
    return *this;
}

JsonWriter& JsonWriter::null() {
    beforeValue();
    m_text += "null";
    return *this;
}

} // namespace host::script
