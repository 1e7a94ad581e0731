// One JSON object per call, written the way the event stream needs it: keys in the order they were
// added, wide texts turned into UTF-8, control characters escaped.
//
// Not done here: parsing, pretty printing, numbers other than integers and finite doubles (a NaN or
// an infinity is written as null, since JSON has no spelling for them).
#pragma once

#include "host/Utf8Text.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace host::script {

using host::FromUtf8;
using host::ToUtf8;

class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    // The key of the next value inside an object.
    JsonWriter& key(std::string_view name);

    JsonWriter& value(std::string_view utf8);
    JsonWriter& value(const char* utf8) { return value(std::string_view(utf8)); }
    JsonWriter& value(std::wstring_view text);
    JsonWriter& value(const wchar_t* text) { return value(std::wstring_view(text)); }
    JsonWriter& value(const std::wstring& text) { return value(std::wstring_view(text)); }
    JsonWriter& value(const std::string& utf8) { return value(std::string_view(utf8)); }
    JsonWriter& value(bool flag);
    JsonWriter& value(int number) { return value(static_cast<long long>(number)); }
    JsonWriter& value(unsigned number) { return value(static_cast<long long>(number)); }
    JsonWriter& value(long number) { return value(static_cast<long long>(number)); }
    JsonWriter& value(long long number);
    JsonWriter& value(double number);
    JsonWriter& null();

    // Shorthands for `key(name).value(v)`.
    template <typename T> JsonWriter& field(std::string_view name, const T& v) { return key(name).value(v); }

    // The text so far; complete once every object and array is closed.
    const std::string& text() const { return m_text; }
    bool complete() const { return m_open.empty() && !m_text.empty(); }

private:
    void beforeValue();
    void appendQuoted(std::string_view utf8);

    std::string m_text;
    // One entry per open object or array: whether it already holds a member.
    std::vector<bool> m_open;
    bool m_afterKey = false;
};

} // namespace host::script
