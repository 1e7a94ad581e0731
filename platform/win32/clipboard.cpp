// The clipboard, in-process. As on Windows: data can be set only while the clipboard is open (its
// opener may open it again; another window may not), SetClipboardData takes ownership of the
// HGLOBAL, and replaced or emptied data is freed. CF_TEXT is synthesised from CF_UNICODETEXT in the
// ANSI code page when it is asked for. A test switch (standin::SetClipboardOpenFails) makes
// OpenClipboard fail as when another program holds the clipboard. Setting CF_UNICODETEXT tells the
// observer (the live display forwards it to the desktop).
//
// Does NOT: synthesise CF_OEMTEXT or CF_UNICODETEXT from CF_TEXT, render data late (a null handle is
// refused), send WM_RENDERFORMAT / WM_DESTROYCLIPBOARD, or support clipboard viewers and sequence
// numbers.
#include "win32/global_memory.h"
#include "win32/internal.h"
#include "core/records.h"
#include "core/ui_thread.h"

#include <map>

namespace standin {
namespace {

struct Clipboard {
    bool open = false;
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

// CF_UNICODETEXT's text as a new CF_TEXT block, in the ANSI code page.
HGLOBAL SynthesisedText() {
    const std::wstring text = ClipboardText();
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, static_cast<size_t>(bytes));
    if (block == nullptr)
        return nullptr;
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, static_cast<char*>(GlobalLock(block)), bytes, nullptr,
                        nullptr);
    GlobalUnlock(block);
    return block;
}

// CF_TEXT is asked for and only CF_UNICODETEXT is there: it is made from that.
bool MadeFromUnicodeText(UINT format) {
    return format == CF_TEXT && C().data.count(CF_UNICODETEXT) != 0;
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
    if (!OnUiThread() || ClipboardOpenFails() || (C().open && C().opener != owner)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (owner && !LookupWindowOrFail(owner))
        return FALSE;
    C().open = true;
    C().opener = owner;
    return TRUE;
}

BOOL WINAPI CloseClipboard(void) {
    if (!RequireOpen())
        return FALSE;
    C().open = false;
    C().opener = nullptr;
    return TRUE;
}

BOOL WINAPI EmptyClipboard(void) {
    if (!RequireOpen())
        return FALSE;
    FreeAll();
    return TRUE;
}

// A window that opened the clipboard with a null owner may set data too: current Windows allows it.
HANDLE WINAPI SetClipboardData(UINT format, HANDLE data) {
    if (!RequireOpen())
        return nullptr;
    if (ConsumeFault(Fault::SetClipboardData))
        return nullptr;
    if (!data || !IsGlobalBlock(data)) {
        SetLastError(ERROR_INVALID_PARAMETER);
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
    if (it == C().data.end() && MadeFromUnicodeText(format)) {
        if (HGLOBAL text = SynthesisedText())
            it = C().data.emplace(CF_TEXT, text).first;
    }
    return it == C().data.end() ? nullptr : it->second;
}

BOOL WINAPI IsClipboardFormatAvailable(UINT format) {
    if (!OnUiThread())
        return FALSE;
    return C().data.count(format) != 0 || MadeFromUnicodeText(format);
}
}
