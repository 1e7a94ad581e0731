// The host's settings store: named sections of typed values, kept in an SQLite file named by
// BRIO_SETTINGS (default $XDG_CONFIG_HOME/brio/settings.sqlite3).
#pragma once

#include <brio/BrFrameworkApi.h>

#include <comdef.h>
#include <windows.h>

#include <map>
#include <memory>
#include <string>

namespace brio::core {

// Keys compare case-sensitively; values keep their type (integer, real, text).
using ProfileValues = std::map<std::wstring, _variant_t>;

class BRFRAMEWORK_API ProfileStore {
public:
    virtual ~ProfileStore();                                                                   // 1
    virtual bool isOpen() const = 0;                                                           // 2
    virtual bool readSection(const wchar_t* section, ProfileValues* values, int reserved) = 0; // 3
    virtual bool writeSection(const wchar_t* section, ProfileValues* values) = 0;              // 4
    virtual bool deleteSection(const wchar_t* section) = 0;                                    // 5
    virtual std::wstring location() const = 0;                                                 // 6
    virtual bool restoreWindow(HWND window, const wchar_t* section) = 0;                       // 7
    virtual bool saveWindow(HWND window, const wchar_t* section) = 0;                          // 8

    // The SQLite-backed store on `path` (created if missing; a corrupt file is moved aside first),
    // or null when no store can be opened there. Problems are logged at level 4.
    static std::unique_ptr<ProfileStore> openFile(const std::wstring& path);
};

} // namespace brio::core
