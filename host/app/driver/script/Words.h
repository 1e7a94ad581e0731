// The words of one script line and the typed values inside them.
//
// Not done here: knowing what a command means (that is the command table's business), escapes other
// than \" and \\ inside a quoted word, continuation lines.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace host::script {

// A line that cannot be carried out; its message goes into the error event.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Splits a UTF-8 line into words: blanks separate, `#` outside quotes starts a comment, a word in
// double quotes may hold blanks and `#` ("" is an empty word). Throws ScriptError on an unclosed
// quote or text that is not UTF-8. An empty or comment-only line gives no words.
std::vector<std::wstring> SplitWords(std::string_view line);

// Typed readings of one word. Each throws ScriptError naming what it expected.
// A decimal number with '.' whatever the process locale; also nan, inf, -inf.
double ParseReal(std::wstring_view word);
// A decimal integer within [least, most].
long long ParseInteger(std::wstring_view word, long long least, long long most);
// A hexadecimal number, with or without 0x (F060, 0xF060).
unsigned ParseHex(std::wstring_view word);
// 1-based row positions separated by commas ("1,3"); every one at least 1.
std::vector<int> ParseRowList(std::wstring_view word);
// One of `choices`; returns its index.
size_t ParseChoice(std::wstring_view word, const std::vector<std::wstring_view>& choices);
// "name=value" split at the first '='; false when the word has none.
bool SplitOption(std::wstring_view word, std::wstring_view& name, std::wstring_view& value);

} // namespace host::script
