// Where the host keeps its files: the XDG base directories, as a Linux desktop program should; on
// Windows the user's application-data folders.
#pragma once

#include <filesystem>
#include <string>

namespace brio::detail {

// The variable's value, or "" when it is unset.
std::string environmentValue(const char* name);
#ifndef _WIN32
// $<xdgVariable>/brio when that is an absolute path, else $HOME/<homeFallback>/brio.
std::filesystem::path hostDirectory(const char* xdgVariable, const char* homeFallback);
#endif
std::filesystem::path defaultLogPath();
std::filesystem::path defaultSettingsPath();

} // namespace brio::detail
