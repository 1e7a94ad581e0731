// Finding the font alias file relative to the library itself: dladdr names the file this code was
// loaded from, wherever the tree was installed or moved to. No path of the build machine is kept.
#include "gdi/font_aliases.h"

#include <dlfcn.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#ifndef STANDIN_DATA_FROM_LIBRARY
#define STANDIN_DATA_FROM_LIBRARY "../share"
#endif

namespace standin {
namespace {

constexpr const char* kOverride = "STANDIN_FONTS_CONF";
constexpr const char* kFileName = "fonts.conf";

std::filesystem::path LibraryFolder() {
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&LoadFontAliases), &info) || !info.dli_fname)
        return {};
    return std::filesystem::path(info.dli_fname).parent_path();
}

std::vector<std::filesystem::path> Candidates() {
    if (const char* named = std::getenv(kOverride); named && *named)
        return {named}; // an explicit choice is never second-guessed by the places below
    const std::filesystem::path folder = LibraryFolder();
    if (folder.empty())
        return {};
    // Beside the library first: the build tree keeps it there, and an installed library has none.
    return {folder / kFileName, folder / STANDIN_DATA_FROM_LIBRARY / kFileName};
}

void SayNoAliases(const std::vector<std::filesystem::path>& tried, const char* what) {
    static std::atomic<bool> said{false};
    if (said.exchange(true))
        return;
    std::string places;
    for (const auto& path : tried)
        places += (places.empty() ? "" : ", ") + path.lexically_normal().string();
    const std::string where = std::getenv(kOverride) && *std::getenv(kOverride)
                                  ? std::string(kOverride) + " names " + places
                                  : "looked for " + places + "; " + kOverride + " can name another";
    std::fprintf(
        stderr,
        "win32 stand-in: font alias file %s (%s): Windows face names such as \"MS PGothic\" are drawn "
        "in fontconfig's default faces\n",
        what, where.c_str());
}

} // namespace

void LoadFontAliases(FcConfig* config) {
    const std::vector<std::filesystem::path> tried = Candidates();
    for (const auto& path : tried) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error))
            continue;
        if (!FcConfigParseAndLoad(config, reinterpret_cast<const FcChar8*>(path.c_str()), FcTrue))
            SayNoAliases({path}, "unreadable");
        return;
    }
    SayNoAliases(tried, "not found");
}

} // namespace standin
