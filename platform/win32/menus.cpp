// Menu handles and their items: creation, appending, states by command or by position, and
// destruction (submenus go with their menu).
//
// Does NOT: support bitmaps or owner-drawn items (MF_BITMAP, MF_OWNERDRAW items keep no picture),
// menu bars drawn in a frame, InsertMenu/ModifyMenu/RemoveMenu, or radio-check marks.
#include "win32/menus.h"

#include "core/handle_table.h"
#include "win32/internal.h"
#include "core/ui_thread.h"

#include <algorithm>
#include <cwchar>

namespace standin {
namespace {

HandleTable<Menu, HandleKind::Menu>& Menus() {
    static HandleTable<Menu, HandleKind::Menu> table;
    return table;
}

HMENU Create(bool popup) {
    if (!OnUiThread())
        return nullptr;
    auto menu = std::make_unique<Menu>();
    menu->popup = popup;
    return reinterpret_cast<HMENU>(Menus().Insert(std::move(menu)));
}

// The item addressed by command (searching submenus, as Windows does) or by position.
MenuItem* FindItem(HMENU handle, UINT item, bool byPosition) {
    Menu* menu = LookupMenu(handle);
    if (!menu)
        return nullptr;
    if (byPosition)
        return item < menu->items.size() ? &menu->items[item] : nullptr;
    for (MenuItem& entry : menu->items) {
        if (!entry.submenu && entry.id == item && entry.type != MFT_SEPARATOR)
            return &entry;
        if (entry.submenu)
            if (MenuItem* inner = FindItem(entry.submenu, item, false))
                return inner;
    }
    return nullptr;
}

bool ValidInfo(LPCMENUITEMINFOW info) {
    // The older, shorter structure (without hbmpItem) is accepted as Windows accepts it.
    return info && info->cbSize >= offsetof(MENUITEMINFOW, hbmpItem);
}

// The item that Get/SetMenuItemInfoW address; nullptr with Windows' last error when there is none.
MenuItem* ItemOfInfoCall(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOW info) {
    if (!ValidInfo(info)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    MenuItem* entry = FindItem(menu, item, byPosition != FALSE);
    if (!entry)
        SetLastError(ERROR_MENU_ITEM_NOT_FOUND);
    return entry;
}

} // namespace

Menu* LookupMenu(HMENU menu) {
    if (!menu || !OnUiThread())
        return nullptr;
    return Menus().Find(menu);
}

int LiveMenuCount() {
    return OnUiThread() ? Menus().Count() : 0;
}

HMENU MakeSystemMenu() {
    HMENU menu = Create(true);
    AppendMenuW(menu, MF_STRING, SC_CLOSE, L"閉じる(&C)\tAlt+F4");
    return menu;
}

} // namespace standin

using namespace standin;

extern "C" {

HMENU WINAPI CreatePopupMenu(void) {
    return Create(true);
}
HMENU WINAPI CreateMenu(void) {
    return Create(false);
}

BOOL WINAPI DestroyMenu(HMENU handle) {
    std::unique_ptr<Menu> menu = OnUiThread() ? Menus().Erase(handle) : nullptr;
    if (!menu) {
        SetLastError(ERROR_INVALID_MENU_HANDLE);
        return FALSE;
    }
    for (const MenuItem& item : menu->items)
        if (item.submenu)
            DestroyMenu(item.submenu);
    return TRUE;
}

BOOL WINAPI IsMenu(HMENU menu) {
    return LookupMenu(menu) != nullptr;
}

BOOL WINAPI AppendMenuW(HMENU handle, UINT flags, UINT_PTR idNewItem, LPCWSTR text) {
    Menu* menu = LookupMenu(handle);
    if (!menu) {
        SetLastError(ERROR_INVALID_MENU_HANDLE);
        return FALSE;
    }
    MenuItem item;
    item.type = (flags & MF_SEPARATOR) ? MFT_SEPARATOR : MFT_STRING;
    item.state = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED);
    if (flags & MF_POPUP) {
        item.submenu = reinterpret_cast<HMENU>(idNewItem);
        if (!LookupMenu(item.submenu)) {
            SetLastError(ERROR_INVALID_MENU_HANDLE);
            return FALSE;
        }
    } else {
        item.id = static_cast<UINT>(idNewItem);
    }
    if (text && item.type == MFT_STRING && !(flags & (MF_BITMAP | MF_OWNERDRAW)))
        item.text = text;
    menu->items.push_back(std::move(item));
    return TRUE;
}

// Returns the previous state (MF_GRAYED / MF_DISABLED bits), or (UINT)-1 when the item does not exist.
BOOL WINAPI EnableMenuItem(HMENU menu, UINT idItem, UINT enable) {
    MenuItem* item = FindItem(menu, idItem, (enable & MF_BYPOSITION) != 0);
    if (!item)
        return -1;
    UINT old = item->state & (MF_GRAYED | MF_DISABLED);
    item->state = (item->state & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
    return static_cast<BOOL>(old);
}

BOOL WINAPI SetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOW info) {
    MenuItem* entry = ItemOfInfoCall(menu, item, byPosition, info);
    if (!entry)
        return FALSE;
    if (info->fMask & MIIM_STATE)
        entry->state = info->fState;
    if (info->fMask & MIIM_ID)
        entry->id = info->wID;
    if (info->fMask & MIIM_SUBMENU)
        entry->submenu = info->hSubMenu;
    if (info->fMask & (MIIM_TYPE | MIIM_FTYPE))
        entry->type = (info->fType & MFT_SEPARATOR) ? MFT_SEPARATOR : MFT_STRING;
    if ((info->fMask & MIIM_STRING) || ((info->fMask & MIIM_TYPE) && !(info->fType & MFT_SEPARATOR)))
        entry->text = info->dwTypeData ? info->dwTypeData : L"";
    if (info->fMask & MIIM_DATA)
        entry->data = info->dwItemData;
    return TRUE;
}

BOOL WINAPI GetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, LPMENUITEMINFOW info) {
    MenuItem* entry = ItemOfInfoCall(menu, item, byPosition, info);
    if (!entry)
        return FALSE;
    if (info->fMask & MIIM_STATE)
        info->fState = entry->state;
    if (info->fMask & MIIM_ID)
        info->wID = entry->id;
    if (info->fMask & MIIM_SUBMENU)
        info->hSubMenu = entry->submenu;
    if (info->fMask & (MIIM_TYPE | MIIM_FTYPE))
        info->fType = entry->type;
    if (info->fMask & MIIM_DATA)
        info->dwItemData = entry->data;
    if (info->fMask & (MIIM_STRING | MIIM_TYPE)) {
        if (info->dwTypeData && info->cch > 0) {
            size_t n = std::min(entry->text.size(), static_cast<size_t>(info->cch) - 1);
            entry->text.copy(info->dwTypeData, n);
            info->dwTypeData[n] = L'\0';
            info->cch = static_cast<UINT>(n);
        } else {
            info->cch = static_cast<UINT>(entry->text.size());
        }
    }
    return TRUE;
}

int WINAPI GetMenuItemCount(HMENU handle) {
    Menu* menu = LookupMenu(handle);
    if (!menu) {
        SetLastError(ERROR_INVALID_MENU_HANDLE);
        return -1;
    }
    return static_cast<int>(menu->items.size());
}

UINT WINAPI GetMenuItemID(HMENU handle, int pos) {
    Menu* menu = LookupMenu(handle);
    if (!menu || pos < 0 || static_cast<size_t>(pos) >= menu->items.size())
        return static_cast<UINT>(-1);
    const MenuItem& item = menu->items[static_cast<size_t>(pos)];
    return item.submenu ? static_cast<UINT>(-1) : item.id;
}

// State and type flags of the item; for a submenu the item count in the high byte. (UINT)-1 when absent.
UINT WINAPI GetMenuState(HMENU menu, UINT id, UINT flags) {
    MenuItem* item = FindItem(menu, id, (flags & MF_BYPOSITION) != 0);
    if (!item)
        return static_cast<UINT>(-1);
    UINT state = item->state | (item->type == MFT_SEPARATOR ? MF_SEPARATOR : 0);
    if (item->submenu)
        state |= MF_POPUP | (static_cast<UINT>(std::max(0, GetMenuItemCount(item->submenu))) << 8);
    return state;
}

int WINAPI GetMenuStringW(HMENU menu, UINT id, LPWSTR buffer, int max, UINT flags) {
    MenuItem* item = FindItem(menu, id, (flags & MF_BYPOSITION) != 0);
    if (!item)
        return 0;
    if (!buffer || max <= 0)
        return static_cast<int>(item->text.size());
    size_t n = std::min(item->text.size(), static_cast<size_t>(max) - 1);
    item->text.copy(buffer, n);
    buffer[n] = L'\0';
    return static_cast<int>(n);
}

HMENU WINAPI GetSystemMenu(HWND hwnd, BOOL revert) {
    Window* window = LookupWindowOrFail(hwnd);
    if (!window || !(window->m_style & WS_SYSMENU))
        return nullptr;
    if (revert) {
        if (window->m_systemMenu)
            DestroyMenu(window->m_systemMenu);
        window->m_systemMenu = nullptr;
        return nullptr;
    }
    if (!window->m_systemMenu)
        window->m_systemMenu = MakeSystemMenu();
    return window->m_systemMenu;
}
}
