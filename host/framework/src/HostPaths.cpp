#include "HostPaths.h"

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

#include <cstdlib>

namespace brio::detail {

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

#ifdef _WIN32
// Windows keeps a user's state under %LOCALAPPDATA% and settings under %APPDATA%.
namespace {
std::filesystem::path knownFolder(const char* windowsVariable) {
    const std::filesystem::path base = environmentValue(windowsVariable);
    return (base.is_absolute() ? base : std::filesystem::temp_directory_path()) / "brio";
}
} // namespace

std::filesystem::path defaultLogPath() {
    return knownFolder("LOCALAPPDATA") / "brio.log";
}

std::filesystem::path defaultSettingsPath() {
    return knownFolder("APPDATA") / "settings.sqlite3";
}
#else
std::filesystem::path hostDirectory(const char* xdgVariable, const char* homeFallback) {
    // The base directory rules ignore relative values: they would depend on the working directory.
    const std::filesystem::path xdg = environmentValue(xdgVariable);
    if (xdg.is_absolute())
        return xdg / "brio";
    std::filesystem::path home = environmentValue("HOME");
    if (home.empty()) {
        if (const passwd* user = getpwuid(getuid()); user != nullptr && user->pw_dir != nullptr)
            home = user->pw_dir;
        else
            home = "/tmp";
    }
    return home / homeFallback / "brio";
}

std::filesystem::path defaultLogPath() {
    return hostDirectory("XDG_STATE_HOME", ".local/state") / "brio.log";
}

std::filesystem::path defaultSettingsPath() {
    return hostDirectory("XDG_CONFIG_HOME", ".config") / "settings.sqlite3";
}
#endif

} // namespace brio::detail
