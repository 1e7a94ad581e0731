#include "LogLine.h"

#include "Utf8.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace brio::detail {

std::string formatLogLine(std::chrono::system_clock::time_point when, int level, wchar_t mark, int depth,
                          std::wstring_view text) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch()).count() % 1000;
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    char stamp[64];
    std::snprintf(stamp, sizeof(stamp), "%04d-%02d-%02d %02d:%02d:%02d.%03d %d %c ", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  static_cast<int>(millis < 0 ? millis + 1000 : millis), level, static_cast<char>(mark));
    std::string line = stamp;
    line.append(static_cast<size_t>(depth > 0 ? depth : 0) * 2, ' ');
    // A line break inside a text would fake a second entry; it is shown as a visible escape instead.
    for (const char c : toUtf8(text)) {
        if (c == '\n')
            line += "\\n";
        else if (c == '\r')
            line += "\\r";
        else
            line += c;
    }
    line += '\n';
    return line;
}

int thresholdFromText(const std::string& text, int fallback) {
    if (text.empty())
        return fallback;
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || end == text.c_str() || *end != '\0' || value < INT_MIN || value > INT_MAX)
        return fallback;
    return static_cast<int>(value);
}

} // namespace brio::detail
