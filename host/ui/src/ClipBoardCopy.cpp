// Copying text to the clipboard for the host's lists.
// What it does NOT do: no other formats than CF_UNICODETEXT, no delayed rendering, no owner window
// (the clipboard is opened for the task, as the copy commands need nothing more).
#include <brio/ui/ClipBoardCopy.h>

#include <windows.h>

#include <cstring>
#include <cwchar>

// The text is prepared before the clipboard is emptied: a copy that fails for want of memory
// leaves what the clipboard held before, rather than an empty clipboard.
int ClipBoardCopy(const wchar_t* text) {
    if (text == nullptr)
        return 1;
    if (!OpenClipboard(nullptr))
        return 3;
    // Once opened, every path below closes the clipboard again, or no other program could use it.
    const size_t bytes = (std::wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) {
        CloseClipboard();
        return 1;
    }
    void* locked = GlobalLock(memory);
    if (locked == nullptr) {
        GlobalFree(memory);
        CloseClipboard();
        return 2;
    }
    std::memcpy(locked, text, bytes);
    GlobalUnlock(memory);
    EmptyClipboard();
    // The clipboard owns the memory once it takes it; if it refuses, the memory is still ours.
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
        GlobalFree(memory);
        CloseClipboard();
        return 4;
    }
    CloseClipboard();
    return 0;
}
