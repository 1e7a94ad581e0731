#include "script/Words.h"

#include "script/JsonWriter.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace host::script {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string Narrow(std::wstring_view word) {
    return ToUtf8(word);
}

[[noreturn]] void Expected(const char* what, std::wstring_view word) {
    throw ScriptError(std::string("expected ") + what + ", got \"" + Narrow(word) + "\"");
}

} // namespace

std::vector<std::wstring> SplitWords(std::string_view line) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        if (IsBlank(line[i])) {
            ++i;
            continue;
        }
        if (line[i] == '#') {
            break;
        }
        std::string word;
        if (line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                const char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\')) {
                    word += line[i++];
                    continue;
                }
                word += c;
            }
            if (!closed) {
                throw ScriptError("unclosed quote");
            }
            if (i < line.size() && !IsBlank(line[i]) && line[i] != '#') {
                throw ScriptError("a quoted word must end at a blank");
            }
        } else {
            while (i < line.size() && !IsBlank(line[i]) && line[i] != '#') {
                word += line[i++];
            }
        }
        words.push_back(std::move(word));
    }
    std::vector<std::wstring> wide(words.size());
    for (size_t k = 0; k < words.size(); ++k) {
        if (!FromUtf8(words[k], wide[k])) {
            throw ScriptError("the line is not UTF-8");
        }
    }
    return wide;
}

double ParseReal(std::wstring_view word) {
    std::string text = Narrow(word);
    if (!text.empty() && text[0] == '+') {
        text.erase(0, 1);
    }
    double value = 0.0;
    const char* end = text.data() + text.size();
    // from_chars is locale-free: a decimal comma locale must not change what a script means.
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end) {
        Expected("a number", word);
    }
    return value;
}

long long ParseInteger(std::wstring_view word, long long least, long long most) {
    const std::string text = Narrow(word);
    long long value = 0;
    const char* begin = text.data();
    if (!text.empty() && text[0] == '+') {
        ++begin;
    }
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(begin, end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end) {
        Expected("an integer", word);
    }
    if (value < least || value > most) {
        throw ScriptError("number " + text + " out of range " + std::to_string(least) + ".." +
                          std::to_string(most));
    }
    return value;
}

unsigned ParseHex(std::wstring_view word) {
    std::string text = Narrow(word);
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.erase(0, 2);
    }
    unsigned value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value, 16);
    if (text.empty() || result.ec != std::errc() || result.ptr != end) {
        Expected("a hexadecimal number", word);
    }
    return value;
}

std::vector<int> ParseRowList(std::wstring_view word) {
    std::vector<int> rows;
    size_t start = 0;
    while (start <= word.size()) {
        size_t comma = word.find(L',', start);
        if (comma == std::wstring_view::npos) {
            comma = word.size();
        }
        const auto part = word.substr(start, comma - start);
        if (part.empty()) {
            Expected("row numbers such as 1,3", word);
        }
        rows.push_back(static_cast<int>(ParseInteger(part, 1, std::numeric_limits<int>::max())));
        start = comma + 1;
    }
    return rows;
}

size_t ParseChoice(std::wstring_view word, const std::vector<std::wstring_view>& choices) {
    for (size_t i = 0; i < choices.size(); ++i) {
        if (word == choices[i]) {
            return i;
        }
    }
    std::string list;
    for (auto choice : choices) {
        list += (list.empty() ? "" : "|") + Narrow(choice);
    }
    throw ScriptError("expected " + list + ", got \"" + Narrow(word) + "\"");
}

bool SplitOption(std::wstring_view word, std::wstring_view& name, std::wstring_view& value) {
    const size_t eq = word.find(L'=');
    if (eq == std::wstring_view::npos) {
        return false;
    }
    name = word.substr(0, eq);
    value = word.substr(eq + 1);
    return true;
}

} // namespace host::script
