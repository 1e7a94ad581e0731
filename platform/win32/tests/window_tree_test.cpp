// The window tree: creation and destruction in Windows' order of messages, lookups, frames and client
// areas, moving and sizing, visibility, enabling, text, and which window lies under a point.
#include "test_support.h"
#include "platform_marks.h"

namespace win32test {
namespace {

using Lines = std::vector<std::string>;

class WindowTree : public StandinTest {};

TEST_F(WindowTree, DestructionGoesOwnedFirstThenParentDownThenChildrenUp) {
    HWND top = MakeWindow(L"T", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200);
    HWND a = MakeWindow(L"A", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, top, 1);
    MakeWindow(L"A1", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, a, 11);
    MakeWindow(L"B", WS_CHILD | WS_VISIBLE, 60, 0, 50, 50, top, 2);
    MakeWindow(L"P", WS_POPUP, 0, 0, 20, 20, top);
    bool childAliveDuringParentDestroy = false;
    SetMessageHook([&](HWND hwnd, UINT msg, WPARAM, LPARAM, LRESULT*) {
        if (hwnd == top && msg == WM_DESTROY)
            childAliveDuringParentDestroy = IsWindow(a) && GetParent(a) == top;
        return false;
    });
    Watched() = {WM_DESTROY, WM_NCDESTROY};
    ASSERT_TRUE(DestroyWindow(top));
    EXPECT_EQ(Journal(), (Lines{"P:WM_DESTROY", "P:WM_NCDESTROY", "T:WM_DESTROY", "A:WM_DESTROY",
                                "A1:WM_DESTROY", "B:WM_DESTROY", "A1:WM_NCDESTROY", "A:WM_NCDESTROY",
                                "B:WM_NCDESTROY", "T:WM_NCDESTROY"}));
    EXPECT_TRUE(childAliveDuringParentDestroy) << "children exist while their parent handles WM_DESTROY";
    EXPECT_FALSE(IsWindow(a));
}

TEST_F(WindowTree, CreationSendsItsMessagesInWindowsOrder) {
    Watched() = {WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW, WM_WINDOWPOSCHANGED};
    HWND top = MakeWindow(L"T", WS_POPUP, 0, 0, 100, 100);
    HWND child = MakeWindow(L"C", WS_CHILD | WS_VISIBLE, 5, 5, 20, 20, top, 7);
    EXPECT_EQ(Journal(), (Lines{"T:WM_NCCREATE", "T:WM_CREATE", "T:WM_SIZE", "T:WM_MOVE", "C:WM_NCCREATE",
                                "C:WM_CREATE", "C:WM_SIZE", "C:WM_MOVE", "C:WM_SHOWWINDOW"}))
        << "a child of a hidden window only changes its style: no WM_WINDOWPOSCHANGED";
    wchar_t text[8];
    EXPECT_EQ(GetWindowTextW(child, text, 8), 1);
    EXPECT_STREQ(text, L"C") << "DefWindowProc keeps the title given at creation";

    Journal().clear();
    ShowWindow(child, SW_HIDE);
    EXPECT_FALSE(GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE);
    ShowWindow(child, SW_SHOW);
    EXPECT_EQ(Journal(), (Lines{"C:WM_SHOWWINDOW", "C:WM_SHOWWINDOW"}));
    Journal().clear();
    ShowWindow(top, SW_SHOWNOACTIVATE);
    ShowWindow(child, SW_HIDE);
    EXPECT_EQ(Journal(),
              (Lines{"T:WM_SHOWWINDOW", "T:WM_WINDOWPOSCHANGED", "C:WM_SHOWWINDOW", "C:WM_WINDOWPOSCHANGED"}))
        << "once the parent shows, the child's visibility moves it on screen";
    DestroyWindow(top);
}

TEST_F(WindowTree, FailedCreationLeavesNothingBehind) {
    SetMessageHook([](HWND, UINT msg, WPARAM, LPARAM, LRESULT* answer) {
        if (msg != WM_CREATE)
            return false;
        *answer = -1;
        return true;
    });
    Watched() = {WM_DESTROY, WM_NCDESTROY};
    int windows = standin::CountLiveObjects().windows;
    EXPECT_EQ(MakeWindow(L"X", WS_POPUP, 0, 0, 10, 10), nullptr);
    EXPECT_EQ(Journal(), (Lines{"X:WM_NCDESTROY"})) << "a window that never lived is not destroyed";
    EXPECT_EQ(standin::CountLiveObjects().windows, windows);
}

TEST_F(WindowTree, ParentsOwnersAndControlIds) {
    HWND top = MakeWindow(L"T", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200);
    HWND first = MakeWindow(L"1", WS_CHILD, 0, 0, 10, 10, top, 101);
    HWND second = MakeWindow(L"2", WS_CHILD, 0, 0, 10, 10, top, 102);
    HWND grandchild = MakeWindow(L"g", WS_CHILD, 0, 0, 5, 5, second, 201);
    HWND popup = MakeWindow(L"p", WS_POPUP, 0, 0, 10, 10, second);
    EXPECT_EQ(GetDlgItem(top, 102), second);
    EXPECT_EQ(GetDlgItem(top, 201), nullptr) << "GetDlgItem looks at direct children only";
    EXPECT_EQ(GetDlgCtrlID(second), 102);
    EXPECT_EQ(GetWindow(top, GW_CHILD), first) << "the first created child is first in z-order";
    EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), second);
    EXPECT_EQ(GetParent(grandchild), second);
    EXPECT_EQ(GetParent(popup), top) << "a popup's parent is its top-level owner";
    EXPECT_EQ(GetWindow(popup, GW_OWNER), top);
    EXPECT_EQ(GetAncestor(grandchild, GA_ROOT), top);
    EXPECT_TRUE(IsChild(top, grandchild));
    EXPECT_FALSE(IsChild(top, popup));
    bool found = false;
    for (HWND hwnd = GetWindow(GetDesktopWindow(), GW_CHILD); hwnd; hwnd = GetWindow(hwnd, GW_HWNDNEXT))
        found = found || hwnd == top;
    EXPECT_TRUE(found) << "top-level windows are walked as the desktop's children";
    DestroyWindow(top);
    EXPECT_FALSE(IsWindow(popup)) << "owned windows go with their owner";
}

// GetDlgItem keeps an index of its children's ids; every change of the tree between two look-ups
// must show in the second one, the first child in z-order winning when ids repeat.
TEST_F(WindowTree, ControlIdsFollowEveryChangeOfTheChildren) {
    HWND top = MakeWindow(L"T", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200);
    HWND other = MakeWindow(L"O", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200);
    HWND a = MakeWindow(L"a", WS_CHILD, 0, 0, 10, 10, top, 1);
    HWND b = MakeWindow(L"b", WS_CHILD, 0, 0, 10, 10, top, 2);
    ASSERT_EQ(GetDlgItem(top, 2), b);
    HWND later = nullptr;
    const std::pair<const char*, std::function<HWND()>> steps[] = {
        {"a new child with a new id", [&] { return later = MakeWindow(L"c", WS_CHILD, 0, 0, 5, 5, top, 3); }},
        {"a later child with a repeated id loses",
         [&] { return MakeWindow(L"d", WS_CHILD, 0, 0, 5, 5, top, 1), a; }},
        {"the id given to another child", [&] { return SetWindowLongPtrW(later, GWLP_ID, 4), later; }},
        {"brought to the top, the repeat wins",
         [&] {
             SetWindowPos(GetDlgItem(top, 4), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
             SetWindowLongPtrW(later, GWLP_ID, 2);
             return later;
         }},
        {"the winner destroyed", [&] { return DestroyWindow(later), b; }},
        {"moved to another parent", [&] { return SetParent(b, other), static_cast<HWND>(nullptr); }},
    };
    const int asked[] = {3, 1, 4, 2, 2, 2};
    for (size_t i = 0; i < std::size(steps); ++i) {
        const HWND expected = steps[i].second();
        EXPECT_EQ(GetDlgItem(top, asked[i]), expected) << steps[i].first;
    }
    EXPECT_EQ(GetDlgItem(other, 2), b);
    DestroyWindow(top);
    DestroyWindow(other);
}

// GetDlgItem and GetWindow remember where they last found a window; asking again must still give
// the right one when ids share the remembered place and when the order of the children changes.
TEST_F(WindowTree, RememberedPlacesNeverGiveAStaleAnswer) {
    HWND top = MakeWindow(L"T", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200);
    HWND x = MakeWindow(L"x", WS_CHILD, 0, 0, 10, 10, top, 1);
    HWND y = MakeWindow(L"y", WS_CHILD, 0, 0, 10, 10, top, 17);
    HWND z = MakeWindow(L"z", WS_CHILD, 0, 0, 10, 10, top, 33);
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(GetDlgItem(top, 17), y);
        EXPECT_EQ(GetDlgItem(top, 1), x);
        EXPECT_EQ(GetDlgItem(top, 33), z);
        EXPECT_EQ(GetDlgItem(top, 49), nullptr);
        EXPECT_EQ(GetWindow(x, GW_HWNDNEXT), y);
        EXPECT_EQ(GetWindow(y, GW_HWNDNEXT), z);
    }
    SetWindowPos(z, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); // z, x, y
    EXPECT_EQ(GetWindow(x, GW_HWNDNEXT), y);
    EXPECT_EQ(GetWindow(y, GW_HWNDNEXT), nullptr);
    EXPECT_EQ(GetWindow(x, GW_HWNDPREV), z);
    DestroyWindow(x);
    EXPECT_EQ(GetWindow(z, GW_HWNDNEXT), y);
    EXPECT_EQ(GetDlgItem(top, 1), nullptr);
    EXPECT_EQ(GetDlgItem(top, 17), y);
    DestroyWindow(top);
}

// Where the moment varies, the check is not made on Wine at all.
constexpr const char kWineActivatesNothing[] =
    "Wine on a bare X server moves the activation only when the X focus follows; SetActiveWindow and "
    "ShowWindow (winuser.h) document that the call itself activates";

// Activation brings a top-level window to the top of the z-order; the neighbours GetWindow keeps
// for the top-level windows must follow that change as they follow SetWindowPos.
TEST_F(WindowTree, TopLevelNeighboursFollowActivation) {
    HWND back = MakeWindow(L"back", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50);
    HWND front = MakeWindow(L"front", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50);
    SetActiveWindow(front);
    ASSERT_EQ(GetWindow(front, GW_HWNDNEXT), back);
    ASSERT_EQ(GetWindow(back, GW_HWNDPREV), front);
    SetActiveWindow(back);
    BR_FAILS_ON_WINDOWS(kWineActivatesNothing, EXPECT_EQ(GetWindow(back, GW_HWNDNEXT), front));
    BR_FAILS_ON_WINDOWS(kWineActivatesNothing, EXPECT_EQ(GetWindow(front, GW_HWNDPREV), back));
    DestroyWindow(front);
    DestroyWindow(back);
}

TEST_F(WindowTree, FrameThicknessFollowsTheStyles) {
    struct Case {
        const char* name;
        DWORD style, exStyle;
        LONG extraWidth, extraHeight;
        LONG scrollBarWidth; // AdjustWindowRectEx leaves scroll bars to its caller
    };
    const Case cases[] = {
        {"caption + sizing border", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, 0, 8, 27, 0},
        {"caption, fixed frame", WS_POPUP | WS_CAPTION, 0, 6, 25, 0},
        {"plain popup", WS_POPUP, 0, 0, 0, 0},
        {"bordered", WS_POPUP | WS_BORDER, 0, 2, 2, 0},
        {"client edge", WS_POPUP, WS_EX_CLIENTEDGE, 4, 4, 0},
        {"vertical scroll bar", WS_POPUP | WS_VSCROLL, 0, 17, 0, 17},
    };
    for (const Case& c : cases) {
        HWND hwnd = MakeWindow(L"f", c.style, 0, 0, 200, 100, nullptr, 0, c.exStyle);
        RECT window{}, client{};
        GetWindowRect(hwnd, &window);
        GetClientRect(hwnd, &client);
        EXPECT_EQ((window.right - window.left) - client.right, c.extraWidth) << c.name;
        EXPECT_EQ((window.bottom - window.top) - client.bottom, c.extraHeight) << c.name;
        RECT adjusted{0, 0, client.right, client.bottom};
        AdjustWindowRectEx(&adjusted, c.style, FALSE, c.exStyle);
        EXPECT_EQ(adjusted.right - adjusted.left + c.scrollBarWidth, window.right - window.left) << c.name;
        DestroyWindow(hwnd);
    }
}

TEST_F(WindowTree, CoordinatesMapThroughNestedClientAreas) {
    HWND top = MakeWindow(L"T", WS_POPUP | WS_CAPTION | WS_THICKFRAME, 100, 50, 300, 200);
    HWND child = MakeWindow(L"c", WS_CHILD | WS_BORDER, 10, 20, 100, 100, top, 1);
    POINT pt{0, 0};
    ClientToScreen(child, &pt);
    EXPECT_EQ(pt.x, 100 + 4 + 10 + 1);
    EXPECT_EQ(pt.y, 50 + 23 + 20 + 1);
    ScreenToClient(top, &pt);
    EXPECT_EQ(pt.x, 11);
    EXPECT_EQ(pt.y, 21);
    RECT rect{0, 0, 5, 5};
    MapWindowPoints(child, top, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, 11);
    EXPECT_EQ(rect.bottom, 26);
    DestroyWindow(top);
}

TEST_F(WindowTree, SizeAndMoveMessagesComeOnlyForRealChanges) {
    HWND top = MakeWindow(L"T", WS_POPUP, 0, 0, 300, 200);
    HWND child = MakeWindow(L"c", WS_CHILD | WS_VISIBLE, 10, 10, 50, 50, top, 1);
    Watched() = {WM_SIZE, WM_MOVE};
    std::vector<LPARAM> sizes;
    SetMessageHook([&](HWND, UINT msg, WPARAM, LPARAM lParam, LRESULT*) {
        if (msg == WM_SIZE)
            sizes.push_back(lParam);
        return false;
    });
    MoveWindow(child, 10, 10, 50, 50, TRUE);
    EXPECT_TRUE(Journal().empty()) << "nothing changed, nothing is said";
    MoveWindow(child, 20, 10, 50, 50, TRUE);
    MoveWindow(child, 20, 10, 70, 40, TRUE);
    EXPECT_EQ(Journal(), (Lines{"c:WM_MOVE", "c:WM_SIZE"}));
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(sizes[0], MAKELPARAM(70, 40));
    DestroyWindow(top);
}

TEST_F(WindowTree, VisibilityEnablingAndTextBehaveAsOnWindows) {
    HWND top = MakeWindow(L"T", WS_POPUP, 0, 0, 300, 200);
    HWND child = MakeWindow(L"c", WS_CHILD | WS_VISIBLE, 10, 10, 50, 50, top, 1);
    EXPECT_FALSE(IsWindowVisible(child)) << "a visible child of a hidden window is not visible";
    EXPECT_FALSE(ShowWindow(top, SW_SHOWNOACTIVATE));
    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_NE(GetActiveWindow(), top) << "SW_SHOWNOACTIVATE does not activate";
    EXPECT_TRUE(ShowWindow(top, SW_SHOW)) << "ShowWindow tells the earlier visibility";
    BR_STANDIN_ONLY(kWineActivatesNothing, EXPECT_EQ(GetActiveWindow(), top));

    SetFocus(child);
    Watched() = {WM_ENABLE, WM_KILLFOCUS};
    EXPECT_FALSE(EnableWindow(child, FALSE)) << "it was not disabled before";
    EXPECT_TRUE(EnableWindow(child, FALSE));
    EXPECT_EQ(Journal(), (Lines{"c:WM_KILLFOCUS", "c:WM_ENABLE"}));
    EXPECT_EQ(GetFocus(), nullptr) << "a disabled window loses the focus";
    EXPECT_FALSE(IsWindowEnabled(child));
    EXPECT_TRUE(GetWindowLongW(child, GWL_STYLE) & WS_DISABLED);

    SetWindowTextW(child, L"長さの合計");
    wchar_t small[4];
    EXPECT_EQ(GetWindowTextW(child, small, 4), 3);
    EXPECT_STREQ(small, L"長さの") << "a short buffer gets what fits, terminated";
    EXPECT_EQ(GetWindowTextLengthW(child), 5);
    ShowWindow(top, SW_HIDE);
    BR_STANDIN_ONLY(kWineActivatesNothing, EXPECT_EQ(GetActiveWindow(), nullptr));
    DestroyWindow(top);
}

TEST_F(WindowTree, WindowFromPointSkipsHiddenAndDisabledChildren) {
    HWND top = MakeWindow(L"T", WS_POPUP | WS_VISIBLE, 0, 0, 300, 100);
    HWND shown = MakeWindow(L"s", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, top, 1);
    HWND hidden = MakeWindow(L"h", WS_CHILD, 100, 0, 100, 100, top, 2);
    HWND disabled = MakeWindow(L"d", WS_CHILD | WS_VISIBLE | WS_DISABLED, 200, 0, 100, 100, top, 3);
    struct Case {
        POINT at;
        HWND fromPoint;
        HWND childFromPoint;
    };
    const Case cases[] = {
        {{50, 50}, shown, shown},
        {{150, 50}, top, hidden},
        {{250, 50}, top, disabled},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WindowFromPoint(c.at), c.fromPoint) << c.at.x;
        EXPECT_EQ(ChildWindowFromPoint(top, c.at), c.childFromPoint) << c.at.x;
    }
    EXPECT_EQ(ChildWindowFromPoint(top, POINT{400, 50}), nullptr) << "outside the parent";
    BR_FAILS_ON_WINDOWS("Wine answers its desktop window where no window is; WindowFromPoint (winuser.h) "
                        "documents NULL",
                        EXPECT_EQ(WindowFromPoint(POINT{400, 50}), nullptr));
    DestroyWindow(top);
}

} // namespace
} // namespace win32test
