// Dialogs from templates: sizes from the documented metrics, Windows' order of creation, the dialog
// font's lifetime, the frame's hit-test and the border drag that WM_GETMINMAXINFO limits.
#include "test_support.h"
#include "dialog_template_bytes.h"
#include "test_resources.h"
#include "platform_marks.h"

namespace win32test {
namespace {

using Lines = std::vector<std::string>;

constexpr DWORD kSizableDialog =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_SETFONT | DS_CONTEXTHELP;

DialogSpec Template(const DialogItem* items, WORD count, short cx = 249, short cy = 135, WORD points = 9) {
    return DialogSpec{kSizableDialog,
                      0,
                      30,
                      20,
                      cx,
                      cy,
                      L"累計ダイアログ",
                      points,
                      FW_NORMAL,
                      0,
                      SHIFTJIS_CHARSET,
                      L"ＭＳ Ｐゴシック",
                      MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT),
                      items,
                      count};
}

const DialogItem kItems[] = {
    {WS_VISIBLE, 0, 10, 6, 190, 88, 1348, kJournalClass, L"a"},
    {WS_VISIBLE | WS_TABSTOP, 0, 204, 22, 40, 14, 1351, kJournalClass, L"b"},
    {WS_VISIBLE | WS_TABSTOP, 0, 1, 5, 9, 10, 1313, kJournalClass, L"c"},
};

HWND MakeDialog(const DialogSpec& tmpl, HWND owner = nullptr) {
    return CreateDialogIndirectParamW(nullptr, DialogTemplateBytes(tmpl).get(), owner, JournalDialogProc, 0);
}

std::wstring WindowText(HWND hwnd) {
    wchar_t text[64] = {};
    GetWindowTextW(hwnd, text, 64);
    return text;
}

SIZE OuterSize(HWND hwnd) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

// The sizes below in pixels are the stand-in's measure of the template's face (base units of 6 by 12
// at 9 points, as on a Japanese Windows); the system maps the face to a font of its own that measures
// otherwise. What holds on both: every size is the template's, in the dialog's own base units.
constexpr const char* kOurFontMetrics = "the pixel sizes of the stand-in's metrics of the template's face";

// The dialog's base units, as MapDialogRect gives them: x per 4 dialog units, y per 8.
SIZE BaseUnits(HWND dialog) {
    RECT unit{0, 0, 4, 8};
    MapDialogRect(dialog, &unit);
    return SIZE{unit.right, unit.bottom};
}

// A control's rectangle from its template's dialog units: each of x, y, cx and cy is mapped alone.
RECT FromDialogUnits(SIZE units, int x, int y, int cx, int cy) {
    const int left = MulDiv(x, units.cx, 4);
    const int top = MulDiv(y, units.cy, 8);
    return RECT{left, top, left + MulDiv(cx, units.cx, 4), top + MulDiv(cy, units.cy, 8)};
}

class DialogTemplate : public StandinTest {};

TEST_F(DialogTemplate, A249By135TemplateHasTheDocumentedSizes) {
    DialogSpec tmpl = Template(kItems, 3);
    HWND dialog = MakeDialog(tmpl);
    ASSERT_NE(dialog, nullptr);
    RECT client;
    GetClientRect(dialog, &client);
    const SIZE units = BaseUnits(dialog);
    EXPECT_EQ(client.right, MulDiv(249, units.cx, 4));
    EXPECT_EQ(client.bottom, MulDiv(135, units.cy, 8));
    RECT outer = client;
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE)));
    EXPECT_EQ(OuterSize(dialog).cx, outer.right - outer.left);
    EXPECT_EQ(OuterSize(dialog).cy, outer.bottom - outer.top);
    BR_STANDIN_ONLY(kOurFontMetrics, {
        EXPECT_EQ(client.right, 374);
        EXPECT_EQ(client.bottom, 203);
        EXPECT_EQ(OuterSize(dialog).cx, 382);
        EXPECT_EQ(OuterSize(dialog).cy, 230);
    });
    BR_FAILS_ON_WINDOWS("Wine differs from Windows: Microsoft's Dialog Box Styles page says DS_CONTEXTHELP "
                        "puts the question mark in the title bar; Wine's dialog gets no WS_EX_CONTEXTHELP",
                        EXPECT_TRUE(GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_CONTEXTHELP));

    struct Case {
        int id;
        RECT units;    // x, y, cx, cy in dialog units, as the template has them
        RECT expected; // in the dialog's client coordinates, with the stand-in's metrics
    };
    const Case cases[] = {
        {1348, {10, 6, 190, 88}, {15, 9, 300, 141}},
        {1351, {204, 22, 40, 14}, {306, 33, 366, 54}},
        {1313, {1, 5, 9, 10}, {2, 8, 16, 23}}, // 1.5 and 7.5 round up
    };
    for (const Case& c : cases) {
        RECT rect;
        GetWindowRect(GetDlgItem(dialog, c.id), &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        const RECT mapped = FromDialogUnits(units, c.units.left, c.units.top, c.units.right, c.units.bottom);
        EXPECT_TRUE(EqualRect(&rect, &mapped))
            << c.id << ": " << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
        BR_STANDIN_ONLY(kOurFontMetrics, EXPECT_TRUE(EqualRect(&rect, &c.expected)) << c.id);
    }
    BR_STANDIN_ONLY(kOurFontMetrics, {
        EXPECT_EQ(units.cx, 6);
        EXPECT_EQ(units.cy, 12);
    });
    DestroyWindow(dialog);
}

TEST_F(DialogTemplate, BaseUnitsScaleWithThePointSize) {
    struct Case {
        WORD points;
        LONG clientWidth, clientHeight;
    };
    const Case cases[] = {{8, 125, 138}, {9, 150, 150}, {10, 175, 163}, {0, 200, 200}};
    LONG narrower = 0;
    for (const Case& c : cases) {
        DialogSpec tmpl = Template(nullptr, 0, 100, 100, c.points);
        HWND dialog = MakeDialog(tmpl);
        RECT client;
        GetClientRect(dialog, &client);
        const SIZE units = BaseUnits(dialog);
        EXPECT_EQ(client.right, MulDiv(100, units.cx, 4)) << c.points << " pt";
        EXPECT_EQ(client.bottom, MulDiv(100, units.cy, 8)) << c.points << " pt";
        if (c.points != 0) {
            EXPECT_GE(client.right, narrower) << c.points << " pt: a larger font, a wider dialog";
            narrower = client.right;
        }
        BR_STANDIN_ONLY(kOurFontMetrics, {
            EXPECT_EQ(client.right, c.clientWidth) << c.points << " pt";
            EXPECT_EQ(client.bottom, c.clientHeight) << c.points << " pt";
        });
        DestroyWindow(dialog);
    }
    BR_STANDIN_ONLY("the stand-in's system font metrics", EXPECT_EQ(GetDialogBaseUnits(), MAKELONG(8, 16)));
}

TEST_F(DialogTemplate, FontThenControlsThenInitDialog) {
    Watched() = {WM_SETFONT, WM_INITDIALOG, WM_CREATE};
    HWND focusOffered = nullptr;
    SetDialogHook([&](HWND, UINT msg, WPARAM wParam, LPARAM, INT_PTR*) {
        if (msg == WM_INITDIALOG)
            focusOffered = reinterpret_cast<HWND>(wParam);
        return false;
    });
    DialogSpec tmpl = Template(kItems, 3);
    HWND dialog = MakeDialog(tmpl);
    EXPECT_EQ(Journal(), (Lines{"dlg:WM_SETFONT", "a:WM_CREATE", "a:WM_SETFONT", "b:WM_CREATE",
                                "b:WM_SETFONT", "c:WM_CREATE", "c:WM_SETFONT", "dlg:WM_INITDIALOG"}));
    EXPECT_EQ(focusOffered, GetDlgItem(dialog, 1351)) << "the first tab stop in template order";
    EXPECT_FALSE(IsWindowVisible(dialog)) << "without WS_VISIBLE the dialog stays hidden";
    DestroyWindow(dialog);
}

TEST_F(DialogTemplate, TheDialogManagerOwnsTheTemplateFont) {
    int fonts = standin::CountLiveObjects().fonts;
    DialogSpec tmpl = Template(kItems, 3);
    standin::FailNext(standin::Fault::CreateFont);
    HWND dialog = MakeDialog(tmpl);
    ASSERT_NE(dialog, nullptr) << "a fault meant for the caller's own fonts is not used up here";
    EXPECT_EQ(CreateFontW(-12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, L"x"), nullptr);
    BR_STANDIN_ONLY("the dialog manager's font is the system's own on Windows, which the count leaves out",
                    EXPECT_EQ(standin::CountLiveObjects().fonts, fonts + 1));
    auto font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    LOGFONTW lf{};
    ASSERT_EQ(GetObjectW(font, sizeof(lf), &lf), static_cast<int>(sizeof(lf)));
    EXPECT_EQ(lf.lfHeight, -12);
    EXPECT_STREQ(lf.lfFaceName, L"ＭＳ Ｐゴシック");
    BR_FAILS_ON_WINDOWS("Wine differs from Windows: Microsoft's DLGTEMPLATEEX page says its charset is the "
                        "character set of the dialog's font; Wine's font has DEFAULT_CHARSET",
                        EXPECT_EQ(lf.lfCharSet, SHIFTJIS_CHARSET));
    DestroyWindow(dialog);
    EXPECT_EQ(standin::CountLiveObjects().fonts, fonts);
    EXPECT_FALSE(DeleteObject(font)) << "already deleted with the dialog";
}

TEST_F(DialogTemplate, FrameHitTestFindsBordersButtonsAndCaption) {
    DialogSpec tmpl = Template(nullptr, 0);
    HWND dialog = MakeDialog(tmpl);
    RECT w;
    GetWindowRect(dialog, &w);
    struct Case {
        POINT at;
        LRESULT hit;
    };
    const Case cases[] = {
        {{w.right - 1, w.bottom - 1}, HTBOTTOMRIGHT}, {{w.left, w.top + 100}, HTLEFT},
        {{w.left + 100, w.top + 1}, HTTOP},           {{w.right - 4 - 2 - 8, w.top + 4 + 9}, HTCLOSE},
        {{w.left + 100, w.top + 12}, HTCAPTION},      {{w.left + 100, w.top + 100}, HTCLIENT},
        {{w.right + 5, w.top + 5}, HTNOWHERE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SendMessageW(dialog, WM_NCHITTEST, 0, MAKELPARAM(c.at.x, c.at.y)), c.hit)
            << c.at.x - w.left << "," << c.at.y - w.top;
    const POINT help{w.right - 4 - 2 - 16 - 2 - 8, w.top + 4 + 9};
    BR_FAILS_ON_WINDOWS("Wine differs from Windows: Microsoft's Dialog Box Styles page says DS_CONTEXTHELP "
                        "puts the question mark in the title bar; Wine's dialog has none",
                        EXPECT_EQ(SendMessageW(dialog, WM_NCHITTEST, 0, MAKELPARAM(help.x, help.y)), HTHELP));
    DestroyWindow(dialog);
}

// The simulated person presses the bottom-right corner, moves and lets go, all through posted messages
// that DefWindowProc's sizing loop takes from the queue. The system's loop follows the button and the
// pointer as the devices report them, which posted messages do not move.
constexpr const char* kPostedDrag =
    "a drag made of posted messages; the system's sizing loop follows the devices";

void DragCornerBy(HWND dialog, int dx, int dy) {
    RECT w;
    GetWindowRect(dialog, &w);
    POINT corner{w.right - 1, w.bottom - 1};
    POINT to{corner.x + dx, corner.y + dy};
    POINT client = to;
    ScreenToClient(dialog, &client);
    PostMessageW(dialog, WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, MAKELPARAM(corner.x, corner.y));
    PostMessageW(dialog, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    PostMessageW(dialog, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    Pump(dialog);
}

TEST_F(DialogTemplate, BorderDragStopsAtTheMinimumTheDialogSets) {
    DialogSpec tmpl = Template(kItems, 3);
    HWND dialog = MakeDialog(tmpl);
    ShowWindow(dialog, SW_SHOW);
    const SIZE initial = OuterSize(dialog);
    SetDialogHook([&](HWND, UINT msg, WPARAM, LPARAM lParam, INT_PTR*) {
        if (msg == WM_GETMINMAXINFO)
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{initial.cx, initial.cy};
        return false;
    });
    struct Case {
        int dx, dy;
        LONG width, height;
    };
    const Case cases[] = {
        {30, 20, initial.cx + 30, initial.cy + 20},
        {-30, -20, initial.cx, initial.cy},
        {-100, -80, initial.cx, initial.cy},
        {10, -50, initial.cx + 10, initial.cy},
    };
    [[maybe_unused]] const auto dragEach = [&] {
        for (const Case& c : cases) {
            Journal().clear();
            Watched() = {WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE};
            DragCornerBy(dialog, c.dx, c.dy);
            EXPECT_EQ(OuterSize(dialog).cx, c.width) << c.dx << "," << c.dy;
            EXPECT_EQ(OuterSize(dialog).cy, c.height) << c.dx << "," << c.dy;
            EXPECT_EQ(Journal(), (Lines{"dlg:WM_ENTERSIZEMOVE", "dlg:WM_EXITSIZEMOVE"}));
        }
    };
    BR_STANDIN_ONLY(kPostedDrag, dragEach());
    SetWindowPos(dialog, nullptr, 0, 0, 50, 50, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(OuterSize(dialog).cx, initial.cx) << "a program cannot shrink it below the minimum either";
    DestroyWindow(dialog);
}

TEST_F(DialogTemplate, ClientSizeMessagesFollowTheDrag) {
    DialogSpec tmpl = Template(nullptr, 0);
    HWND dialog = MakeDialog(tmpl);
    ShowWindow(dialog, SW_SHOW);
    std::vector<LPARAM> sizes;
    SetDialogHook([&](HWND, UINT msg, WPARAM, LPARAM lParam, INT_PTR*) {
        if (msg == WM_SIZE)
            sizes.push_back(lParam);
        return false;
    });
    RECT client;
    GetClientRect(dialog, &client);
    BR_STANDIN_ONLY(kPostedDrag, {
        DragCornerBy(dialog, 30, 20);
        ASSERT_FALSE(sizes.empty());
        EXPECT_EQ(sizes.back(), MAKELPARAM(client.right + 30, client.bottom + 20));
    });
    DestroyWindow(dialog);
}

TEST_F(DialogTemplate, AMissingControlClassFailsTheDialogUnlessToldNotTo) {
    const DialogItem items[] = {
        {WS_VISIBLE, 0, 0, 0, 10, 10, 1, kJournalClass, L"ok"},
        {WS_VISIBLE, 0, 0, 20, 10, 10, 2, L"NoSuchControl", L""},
    };
    standin::LiveObjects start = standin::CountLiveObjects();
    DialogSpec tmpl = Template(items, 2);
    EXPECT_EQ(MakeDialog(tmpl), nullptr);
    EXPECT_EQ(standin::CountLiveObjects().windows, start.windows);
    EXPECT_EQ(standin::CountLiveObjects().fonts, start.fonts);
    tmpl.style |= DS_NOFAILCREATE;
    HWND dialog = MakeDialog(tmpl);
    ASSERT_NE(dialog, nullptr);
    EXPECT_NE(GetDlgItem(dialog, 1), nullptr);
    EXPECT_EQ(GetDlgItem(dialog, 2), nullptr);
    DestroyWindow(dialog);
}

// The program's own resources (test_resources.rc): a classic template under a number, an extended one
// under a name; numbers also as "#436", names without regard to case.
TEST_F(DialogTemplate, TheModulesOwnTemplatesAreFoundByNumberOrName) {
    HMODULE module = GetModuleHandleW(nullptr);
    for (LPCWSTR name :
         {static_cast<LPCWSTR>(MAKEINTRESOURCEW(TEST_DIALOG_CLASSIC)), static_cast<LPCWSTR>(L"#436")}) {
        HWND dialog = CreateDialogParamW(module, name, nullptr, JournalDialogProc, 0);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(WindowText(dialog), L"累計ダイアログ");
        EXPECT_EQ(WindowText(GetDlgItem(dialog, TEST_CONTROL_PUSH)), L"作図");
        EXPECT_EQ(WindowText(GetDlgItem(dialog, TEST_CONTROL_LABEL)), L"mm2");
        DestroyWindow(dialog);
    }
    // The resource compiler wrote the class names in capitals; a window reports its class's registered name.
    HWND classic =
        CreateDialogParamW(module, MAKEINTRESOURCEW(TEST_DIALOG_CLASSIC), nullptr, JournalDialogProc, 0);
    wchar_t className[16] = {};
    GetClassNameW(GetDlgItem(classic, TEST_CONTROL_PUSH), className, 16);
    EXPECT_STREQ(className, L"Button");
    GetClassNameW(GetDlgItem(classic, TEST_CONTROL_LABEL), className, 16);
    EXPECT_STREQ(className, L"Static");
    DestroyWindow(classic);
    HWND named = CreateDialogParamW(module, L"testDialogNamed", nullptr, JournalDialogProc, 0);
    ASSERT_NE(named, nullptr);
    HWND check = GetDlgItem(named, TEST_CONTROL_CHECK);
    EXPECT_EQ(GetWindowLongW(check, GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX);
    EXPECT_TRUE(GetWindowLongW(check, GWL_EXSTYLE) & WS_EX_STATICEDGE);
    DestroyWindow(named);

    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(TEST_DIALOG_CLASSIC), RT_DIALOG);
    ASSERT_NE(found, nullptr);
    EXPECT_GT(SizeofResource(module, found), sizeof(DLGTEMPLATE));
    auto* header = static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(module, found)));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->cdit, 2);
    EXPECT_EQ(header->cx, 120);
    EXPECT_EQ(
        CreateDialogParamW(module, MAKEINTRESOURCEW(TEST_DIALOG_MISSING), nullptr, JournalDialogProc, 0),
        nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
    EXPECT_EQ(FindResourceW(module, MAKEINTRESOURCEW(TEST_DIALOG_CLASSIC), RT_MENU), nullptr);
}

} // namespace
} // namespace win32test
