#include "script/JsonWriter.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace host::script {

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
