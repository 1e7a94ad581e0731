// The clipboard, in-process. As on Windows: data can be set only while the clipboard is open and after
// EmptyClipboard in that opening; SetClipboardData takes ownership of the HGLOBAL, and replaced or
// emptied data is freed. A test switch (standin::SetClipboardOpenFails) makes OpenClipboard fail as
// when another program holds the clipboard. Setting CF_UNICODETEXT tells the observer (the live
// display forwards it to the desktop).
//
// Does NOT: synthesise CF_TEXT from CF_UNICODETEXT, render data late (a null handle is refused),
// send WM_RENDERFORMAT / WM_DESTROYCLIPBOARD, or support clipboard viewers and sequence numbers.
#include "win32/global_memory.h"
#include "win32/internal.h"
#include "core/records.h"
#include "core/ui_thread.h"

#include <map>

namespace standin {
namespace {

struct Clipboard {
    bool open = false;
    bool emptied = false;
    HWND opener = nullptr;
    std::map<UINT, HGLOBAL> data;
};

Clipboard& C() {
    static Clipboard clipboard;
    return clipboard;
}

void FreeAll() {
    for (auto& [format, block] : C().data)
        GlobalFree(block);
    C().data.clear();
}

bool RequireOpen() {
    if (C().open && OnUiThread())
        return true;
    SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
    return false;
}

} // namespace

std::wstring ClipboardText() {
    std::wstring text;
    auto it = C().data.find(CF_UNICODETEXT);
    if (OnUiThread() && it != C().data.end())
        TextOfBlock(it->second, &text);
    return text;
}

// OpenClipboard reads the switch when it is called; nothing else has to follow it.
void ClipboardSwitched(bool) {}

} // namespace standin

using namespace standin;

extern "C" {

BOOL WINAPI OpenClipboard(HWND owner) {
    if (!OnUiThread() || ClipboardOpenFails() || C().open) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (owner && !LookupWindowOrFail(owner))
        return FALSE;
    C().open = true;
    C().emptied = false;
    C().opener = owner;
    return TRUE;
}

BOOL WINAPI CloseClipboard(void) {
    if (!RequireOpen())
        return FALSE;
    C().open = false;
    C().emptied = false;
    C().opener = nullptr;
    return TRUE;
}

BOOL WINAPI EmptyClipboard(void) {
    if (!RequireOpen())
        return FALSE;
    FreeAll();
    C().emptied = true;
    return TRUE;
}

// A window that opened the clipboard with a null owner may set data too: current Windows allows it.
HANDLE WINAPI SetClipboardData(UINT format, HANDLE data) {
    if (!RequireOpen())
        return nullptr;
    if (ConsumeFault(Fault::SetClipboardData))
        return nullptr;
    if (!C().emptied || !data || !IsGlobalBlock(data)) {
        SetLastError(C().emptied ? ERROR_INVALID_PARAMETER : ERROR_CLIPBOARD_NOT_OPEN);
        return nullptr;
    }
    auto it = C().data.find(format);
    if (it != C().data.end() && it->second != data)
        GlobalFree(it->second);
    C().data[format] = data;
    if (format == CF_UNICODETEXT)
        NotifyClipboard(ClipboardText());
    return data;
}

HANDLE WINAPI GetClipboardData(UINT format) {
    if (!RequireOpen())
        return nullptr;
    auto it = C().data.find(format);
    return it == C().data.end() ? nullptr : it->second;
}

BOOL WINAPI IsClipboardFormatAvailable(UINT format) {
    return OnUiThread() && C().data.find(format) != C().data.end();
}
}
