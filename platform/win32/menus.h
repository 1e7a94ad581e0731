// Menus as the popup loop and the tests read them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace standin {

struct MenuItem {
    UINT type = MFT_STRING; // MFT_STRING, MFT_SEPARATOR (MF_POPUP is kept as a submenu)
    UINT state = 0;         // MFS_GRAYED, MFS_CHECKED, MFS_DEFAULT
    UINT id = 0;
    HMENU submenu = nullptr;
    std::wstring text;
    ULONG_PTR data = 0;
};

struct Menu {
    bool popup = true;
    std::vector<MenuItem> items;
};

Menu* LookupMenu(HMENU menu);

} // namespace standin
