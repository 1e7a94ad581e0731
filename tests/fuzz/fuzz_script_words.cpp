// The host program's script parser against any line: splitting answers with words or a ScriptError
// (nothing else escapes), words written back with quotes split into the same words, every typed
// reading answers or names what it expected, and a word written into a JSON event reads back as
// the same text.
#include "FuzzInput.h"

#include "script/JsonWriter.h"
#include "script/Words.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using fuzz::Require;
using host::script::ScriptError;

// A word as a script writes it when it may hold anything: in quotes, with " and \ escaped.
std::string Quoted(const std::wstring& word) {
    std::string out = "\"";
    for (char c : host::script::ToUtf8(word)) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads the JSON string that starts at `at` (just past its opening quote) back into UTF-8; false
// when the writer produced something a JSON reader would refuse.
bool ReadJsonString(const std::string& json, size_t& at, std::string& out) {
    while (at < json.size()) {
        const auto c = static_cast<unsigned char>(json[at++]);
        if (c == '"')
            return true;
        if (c < 0x20)
            return false; // control characters must be escaped
        if (c != '\\') {
            out += static_cast<char>(c);
            continue;
        }
        if (at >= json.size())
            return false;
        const char e = json[at++];
        switch (e) {
        case '"':
        case '\\':
        case '/':
            out += e;
            break;
        case 'b':
            out += '\b';
            break;
        case 'f':
            out += '\f';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case 'u': {
            if (at + 4 > json.size())
                return false;
            unsigned code = 0;
            for (int i = 0; i < 4; ++i) {
                const int digit = HexValue(json[at++]);
                if (digit < 0)
                    return false;
                code = code * 16 + static_cast<unsigned>(digit);
            }
            if (code >= 0xD800 && code <= 0xDFFF)
                return false; // the writer has no reason to split characters into surrogates
            out += host::script::ToUtf8(std::wstring(1, static_cast<wchar_t>(code)));
            break;
        }
        default:
            return false;
        }
    }
    return false;
}

void CheckJson(const std::wstring& word) {
    host::script::JsonWriter json;
    json.beginObject().field("w", word).endObject();
    const std::string& text = json.text();
    const std::string head = "{\"w\":\"";
    Require(text.compare(0, head.size(), head) == 0, "unexpected JSON head: %s", text.c_str());
    size_t at = head.size();
    std::string read;
    Require(ReadJsonString(text, at, read) && text.substr(at) == "}", "not a JSON string: %s", text.c_str());
    Require(read == host::script::ToUtf8(word), "JSON %s does not read back", text.c_str());
}

// The ranges the host's commands read integers in, and the widest one.
constexpr long long kRanges[][2] = {
    {INT16_MIN, INT16_MAX}, {INT32_MIN, INT32_MAX}, {1, INT32_MAX}, {0, 1279}, {LLONG_MIN, LLONG_MAX}};

void CheckReadings(const std::wstring& word) {
    try {
        const double value = host::script::ParseReal(word);
        (void)value;
    } catch (const ScriptError&) {
    }
    for (const auto& [least, most] : kRanges) {
        try {
            const long long value = host::script::ParseInteger(word, least, most);
            Require(value >= least && value <= most, "%lld outside %lld..%lld", value, least, most);
        } catch (const ScriptError&) {
        }
    }
    try {
        (void)host::script::ParseHex(word);
    } catch (const ScriptError&) {
    }
    try {
        for (const int row : host::script::ParseRowList(word))
            Require(row >= 1, "row %d in a row list", row);
    } catch (const ScriptError&) {
    }
    try {
        (void)host::script::ParseChoice(word, {L"none", L"dead", L"live"});
    } catch (const ScriptError&) {
    }
    std::wstring_view name;
    std::wstring_view value;
    if (host::script::SplitOption(word, name, value))
        Require(name.size() + 1 + value.size() == word.size(), "option split lost characters");
}

} // namespace

// The input is one script line, as a script file holds it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    std::vector<std::wstring> words;
    try {
        words = host::script::SplitWords(line);
    } catch (const ScriptError&) {
        return 0; // a line the runner reports as bad
    }
    std::string again;
    for (const std::wstring& word : words)
        again += Quoted(word) + " ";
    std::vector<std::wstring> back;
    try {
        back = host::script::SplitWords(again);
    } catch (const ScriptError& error) {
        Require(false, "quoted words do not split again: %s", error.what());
    }
    Require(back == words, "quoted words split differently: %s", again.c_str());
    for (const std::wstring& word : words) {
        CheckJson(word);
        CheckReadings(word);
    }
    return 0;
}
