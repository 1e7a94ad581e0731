// Where the host keeps its files: the XDG base directories, as a Linux desktop program should.
#pragma once

#include <filesystem>
#include <string>

namespace brio::detail {

// The variable's value, or "" when it is unset.
std::string environmentValue(const char* name);
// $<xdgVariable>/brio when that is an absolute path, else $HOME/<homeFallback>/brio.
std::filesystem::path hostDirectory(const char* xdgVariable, const char* homeFallback);
std::filesystem::path defaultLogPath();
std::filesystem::path defaultSettingsPath();

} // namespace brio::detail
