// TrackPopupMenu as a modal choice that is recorded. The owner gets WM_INITMENUPOPUP first (so its
// handler can gray entries), then the answer comes from a queued choice, else from the interactive
// provider of a live display, else the menu is dismissed. A grayed, separator or absent command cannot
// be picked: the menu is then dismissed. The picked command is posted to the owner as WM_COMMAND, so
// its handler runs when the owner's loop next pumps, after TrackPopupMenu has returned; with
// TPM_RETURNCMD the command is returned instead and nothing is posted.
//
// Does NOT: open submenus (their entries are not offered), send WM_MENUSELECT or WM_ENTERMENULOOP,
// or draw the menu (the live display's provider shows it).
#include "win32/internal.h"
#include "win32/menus.h"
#include "core/records.h"

namespace standin {
namespace {

std::vector<MenuEntry> EntriesOf(const Menu& menu) {
    std::vector<MenuEntry> entries;
    for (const MenuItem& item : menu.items) {
        MenuEntry entry;
        entry.command = item.submenu ? 0 : item.id;
        entry.text = item.text;
        entry.separator = item.type == MFT_SEPARATOR;
        entry.grayed = (item.state & (MF_GRAYED | MF_DISABLED)) != 0 || item.submenu;
        entries.push_back(std::move(entry));
    }
    return entries;
}

bool CanPick(const std::vector<MenuEntry>& entries, UINT command) {
    if (command == 0)
        return false;
    for (const MenuEntry& entry : entries)
        if (!entry.separator && !entry.grayed && entry.command == command)
            return true;
    return false;
}

} // namespace
} // namespace standin

using namespace standin;

extern "C" BOOL WINAPI TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    if (!LookupMenu(menu)) {
        SetLastError(ERROR_INVALID_MENU_HANDLE);
        return FALSE;
    }
    if (!LookupWindowOrFail(owner))
        return FALSE;
    if (!(flags & TPM_NONOTIFY))
        SendMessageW(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(0, FALSE));
    Menu* shown = LookupMenu(menu);
    if (!shown)
        return FALSE; // the owner destroyed the menu while preparing it
    MenuRecord record;
    record.owner = owner;
    record.at = POINT{x, y};
    record.flags = flags;
    record.entries = EntriesOf(*shown);
    UINT choice = 0;
    if (std::optional<UINT> queued = TakeQueuedMenuChoice())
        choice = *queued;
    else if (InteractiveModal* provider = InteractiveProvider())
        choice = provider->popupMenu(owner, record.at, record.entries);
    if (!CanPick(record.entries, choice))
        choice = 0;
    record.chosen = choice;
    RecordMenu(record);
    if (flags & TPM_RETURNCMD)
        return static_cast<BOOL>(choice);
    if (choice && !(flags & TPM_NONOTIFY) && IsWindow(owner))
        PostMessageW(owner, WM_COMMAND, MAKEWPARAM(choice, 0), 0);
    return TRUE;
}
