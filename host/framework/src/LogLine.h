// One line of the host log: "2026-12-06 03:50:07.123 3 >   text", local time with milliseconds,
// the level, the mark ('>' entry, '<' exit, '-' plain), two spaces per open trace, the text.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace brio::detail {

std::string formatLogLine(std::chrono::system_clock::time_point when, int level, wchar_t mark, int depth,
                          std::wstring_view text);

// BRIO_LOG_LEVEL as a number; `fallback` when unset or not a whole number.
int thresholdFromText(const std::string& text, int fallback);

} // namespace brio::detail
