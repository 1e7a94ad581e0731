// Icons and cursors of the stand-in: an icon is one colour, drawn as a framed square. CreateIcon takes
// the colour of the image's first pixel; only 32-bit images (one plane) are accepted. The system's shared
// icons and cursors (LoadIconW / LoadCursorW with a null instance) exist once and are never counted or
// destroyed.
//
// Does NOT: read icon resources (LoadIconW with a module finds nothing and fails with
// ERROR_RESOURCE_NAME_NOT_FOUND), keep masks or several sizes, or change the pointer's shape on screen.
#include "core/handle_table.h"
#include "gdi/device_context.h"
#include "core/ui_thread.h"

namespace standin {
namespace {

struct Icon {
    COLORREF color = 0;
    bool shared = false;
};

struct Icons {
    HandleTable<Icon, HandleKind::Icon> table;
    int shared = 0;
};

Icons& I() {
    static Icons icons;
    return icons;
}

HICON MakeIcon(COLORREF color, bool shared) {
    auto icon = std::make_unique<Icon>();
    icon->color = color & 0x00FFFFFF;
    icon->shared = shared;
    auto handle = reinterpret_cast<HICON>(I().table.Insert(std::move(icon)));
    I().shared += handle && shared;
    return handle;
}

HICON SharedApplicationIcon() {
    static HICON icon = MakeIcon(RGB(0, 120, 215), true);
    return icon;
}

HCURSOR SharedArrowCursor() {
    static HCURSOR cursor = MakeIcon(RGB(0, 0, 0), true);
    return cursor;
}

} // namespace

bool IconColor(HICON icon, COLORREF* color) {
    if (!OnUiThread())
        return false;
    Icon* found = I().table.Find(icon);
    if (!found)
        return false;
    *color = found->color;
    return true;
}

int LiveIconCount() {
    return OnUiThread() ? I().table.Count() - I().shared : 0;
}

} // namespace standin

using namespace standin;

extern "C" {

HICON WINAPI CreateIcon(HINSTANCE, int width, int height, BYTE planes, BYTE bitsPerPixel, const BYTE* andBits,
                        const BYTE* xorBits) {
    if (!OnUiThread())
        return nullptr;
    if (width <= 0 || height <= 0 || planes != 1 || bitsPerPixel != 32 || !andBits || !xorBits) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    // A 32-bit pixel is blue, green, red and one unused byte.
    return MakeIcon(RGB(xorBits[2], xorBits[1], xorBits[0]), false);
}

BOOL WINAPI DestroyIcon(HICON icon) {
    if (!OnUiThread())
        return FALSE;
    Icon* found = I().table.Find(icon);
    if (!found) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!found->shared)
        I().table.Erase(icon);
    return TRUE;
}

HICON WINAPI LoadIconW(HINSTANCE instance, LPCWSTR name) {
    if (!OnUiThread())
        return nullptr;
    if (!instance && IS_INTRESOURCE(name))
        return SharedApplicationIcon(); // every system icon (IDI_*) looks the same here
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
}

HCURSOR WINAPI LoadCursorW(HINSTANCE instance, LPCWSTR name) {
    if (!OnUiThread())
        return nullptr;
    if (!instance && IS_INTRESOURCE(name))
        return SharedArrowCursor();
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
}
}
