// platform-demo: creates a dialog from an in-memory template (Japanese texts, the 9-point
// "ＭＳ Ｐゴシック" dialog font, a sizing frame with the help button), lets it paint, and writes its
// picture to the PNG file named on the command line. Runs headless; prints nothing when it works.
//
//   platform-demo out.png
#include <display.h>
#include "dialog_template_bytes.h"
#include <windows.h>

#include <cstdio>
#include <vector>

namespace {

const DialogItem kItems[] = {
    {WS_VISIBLE | SS_LEFT, 0, 8, 8, 60, 9, 100, L"STATIC", L"長さの合計:"},
    {WS_VISIBLE | WS_TABSTOP | ES_RIGHT | ES_READONLY, WS_EX_CLIENTEDGE, 70, 6, 80, 13, 101, L"EDIT",
     L"1,234.56"},
    {WS_VISIBLE | SS_LEFT, 0, 154, 8, 20, 9, 102, L"STATIC", L"mm"},
    {WS_VISIBLE | BS_GROUPBOX, 0, 8, 26, 90, 42, 103, L"BUTTON", L"単位"},
    {WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 0, 16, 38, 70, 10, 104, L"BUTTON",
     L"ミリメートル"},
    {WS_VISIBLE | BS_AUTORADIOBUTTON, 0, 16, 52, 70, 10, 105, L"BUTTON", L"メートル"},
    {WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, 0, 108, 30, 90, 10, 106, L"BUTTON",
     L"リストを作図"},
    {WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 98, 76, 50, 14, IDOK, L"BUTTON", L"作図"},
    {WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 152, 76, 50, 14, IDCANCEL, L"BUTTON", L"閉じる"},
};

const DialogSpec kTemplate = {
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE | DS_SETFONT | DS_CONTEXTHELP,
    0,
    20,
    20,
    210,
    98,
    L"累計ダイアログ（デモ）",
    9,
    FW_NORMAL,
    0,
    SHIFTJIS_CHARSET,
    L"ＭＳ Ｐゴシック",
    MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT),
    kItems,
    static_cast<WORD>(sizeof(kItems) / sizeof(kItems[0])),
};

INT_PTR CALLBACK DemoProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
    case WM_INITDIALOG:
        CheckRadioButton(dialog, 104, 105, 104);
        CheckDlgButton(dialog, 106, BST_CHECKED);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL)
            DestroyWindow(dialog);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s out.png\n", argv[0]);
        return 2;
    }
    HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), DialogTemplateBytes(kTemplate).get(),
                                             nullptr, DemoProc, 0);
    if (!dialog) {
        std::fprintf(stderr, "platform-demo: the dialog could not be created (error %u)\n",
                     static_cast<unsigned>(GetLastError()));
        return 1;
    }
    const std::vector<DWORD> green(32 * 32, 0x008000); // 32-bit pixels: blue, green, red, unused
    const std::vector<BYTE> mask(32 * 32 / 8, 0);
    HICON icon = CreateIcon(nullptr, 32, 32, 1, 32, mask.data(), reinterpret_cast<const BYTE*>(green.data()));
    SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessageW(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    bool written = display::WriteWindowPng(dialog, argv[1]);
    DestroyWindow(dialog);
    DestroyIcon(icon);
    if (!written) {
        std::fprintf(stderr, "platform-demo: %s could not be written\n", argv[1]);
        return 1;
    }
    return 0;
}
