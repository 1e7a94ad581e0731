// The message queue and default processing: posted messages to destroyed windows are dropped, system
// commands are decided on their masked code, WM_PAINT comes last and only where needed (a new title is
// drawn at once, a moved window takes its pixels along), posted input reaches disabled windows, and
// the key state is the thread's, which posted input leaves alone.
#include "test_support.h"
#include "platform_marks.h"

#include <chrono>
#include <thread>

namespace win32test {
namespace {

using Lines = std::vector<std::string>;

class Messages : public StandinTest {};

TEST_F(Messages, MessagePostedToAWindowDestroyedSinceIsDropped) {
    HWND keep = MakeWindow(L"keep", WS_POPUP, 0, 0, 10, 10);
    HWND gone = MakeWindow(L"gone", WS_POPUP, 0, 0, 10, 10);
    Watched() = {WM_USER};
    PostMessageW(gone, WM_USER, 1, 0);
    PostMessageW(keep, WM_USER, 2, 0);
    DestroyWindow(gone);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, keep);
    EXPECT_EQ(msg.wParam, 2u);
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_REMOVE));
    DestroyWindow(keep);
}

TEST_F(Messages, SystemCommandIsDecidedOnTheCodeMaskedWith0xFFF0) {
    struct Case {
        WPARAM command;
        bool closes;
    };
    // (Commands that start a modal mode of their own, such as SC_KEYMENU or SC_CONTEXTHELP, would wait
    // for a person there.)
    const Case cases[] = {
        {SC_CLOSE, true}, {SC_CLOSE | 0x3, true}, {SC_RESTORE, false}, {SC_RESTORE | 0x3, false}};
    for (const Case& c : cases) {
        HWND hwnd = MakeWindow(L"w", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 100, 100);
        Journal().clear();
        Watched() = {WM_CLOSE};
        SendMessageW(hwnd, WM_SYSCOMMAND, c.command, 0);
        EXPECT_EQ(Journal().size(), c.closes ? 1u : 0u) << std::hex << c.command;
        EXPECT_EQ(IsWindow(hwnd) == FALSE, c.closes) << std::hex << c.command;
        DestroyWindow(hwnd);
    }
}

TEST_F(Messages, PaintComesAfterPostedMessagesAndOnlyWhereNeeded) {
    HWND shown = MakeWindow(L"S", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50);
    HWND hidden = MakeWindow(L"H", WS_POPUP, 0, 0, 50, 50);
    Pump();
    Watched() = {WM_USER, WM_PAINT, WM_ERASEBKGND, WM_NCPAINT};
    InvalidateRect(hidden, nullptr, TRUE);
    InvalidateRect(shown, nullptr, TRUE);
    PostMessageW(shown, WM_USER, 0, 0);
    Pump();
    EXPECT_EQ(Journal(), (Lines{"S:WM_USER", "S:WM_PAINT", "S:WM_ERASEBKGND"}));
    MSG msg;
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) << "painted windows are valid again";

    RECT update{};
    InvalidateRect(shown, nullptr, FALSE);
    EXPECT_TRUE(GetUpdateRect(shown, &update, FALSE));
    EXPECT_EQ(update.right, 50);
    ValidateRect(shown, nullptr);
    EXPECT_FALSE(GetUpdateRect(shown, &update, FALSE));
    DestroyWindow(shown);
    DestroyWindow(hidden);
}

COLORREF PixelOf(HWND hwnd, int x, int y, bool wholeWindow = false) {
    HDC dc = wholeWindow ? GetWindowDC(hwnd) : GetDC(hwnd);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return colour;
}

// DefWindowProc draws the frame within the messages that change it (a new title, an activation state,
// an icon): nothing is left for the loop. An activation state with lParam -1 is not drawn.
TEST_F(Messages, TheFrameIsDrawnWithinTheMessagesThatChangeIt) {
    HWND top = MakeWindow(L"T", WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU, 0, 0, 120, 80);
    Pump();
    const auto captionRow = [top] {
        std::vector<COLORREF> row;
        const int y = GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
        for (int x = 0; x < 120; ++x)
            row.push_back(PixelOf(top, x, y, true));
        return row;
    };
    SendMessageW(top, WM_NCACTIVATE, TRUE, 0);
    std::vector<COLORREF> before = captionRow();
    Watched() = {WM_PAINT, WM_NCPAINT, WM_ERASEBKGND};
    SetWindowTextW(top, L"new title");
    EXPECT_NE(captionRow(), before) << "the title is drawn before the loop runs";

    before = captionRow();
    SendMessageW(top, WM_NCACTIVATE, FALSE, 0);
    const std::vector<COLORREF> inactive = captionRow();
    EXPECT_NE(inactive, before) << "drawn in the inactive colours at once";
    SendMessageW(top, WM_NCACTIVATE, TRUE, -1);
    EXPECT_EQ(captionRow(), inactive) << "-1: the state changes, the frame is not drawn";

    SendMessageW(top, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadIconW(nullptr, IDI_APPLICATION)));
    Pump();
    EXPECT_EQ(Journal(), Lines{}) << "nothing is left to paint";
    DestroyWindow(top);
}

// SetWindowPos takes a moved child's pixels along: its parent paints what the child uncovered, the
// child only what could not be seen at its old place, and with SWP_NOCOPYBITS all of itself again. A
// grown child uncovers nothing; a top-level window's pixels go with it whole.
TEST_F(Messages, AMovedWindowTakesItsPixelsAlong) {
    constexpr COLORREF kChildColour = RGB(255, 0, 0);
    constexpr COLORREF kParentColour = RGB(255, 255, 255); // the journal class's COLOR_WINDOW
    HBRUSH brush = CreateSolidBrush(kChildColour);
    HWND top = MakeWindow(L"T", WS_POPUP | WS_VISIBLE | WS_CAPTION, 0, 0, 120, 80);
    HWND child = MakeWindow(L"c", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, top, 1);
    SetMessageHook([&](HWND hwnd, UINT msg, WPARAM wParam, LPARAM, LRESULT* answer) {
        if (hwnd != child || msg != WM_ERASEBKGND)
            return false;
        RECT all{0, 0, 40, 40};
        FillRect(reinterpret_cast<HDC>(wParam), &all, brush);
        *answer = TRUE;
        return true;
    });
    Pump();
    Watched() = {WM_PAINT};
    MoveWindow(child, 30, 0, 20, 20, TRUE);
    EXPECT_EQ(Journal(), Lines{}) << "nothing paints as a side effect of a setter";
    Pump();
    EXPECT_EQ(Journal(), Lines{"T:WM_PAINT"});
    EXPECT_EQ(PixelOf(child, 5, 5), kChildColour);
    EXPECT_EQ(PixelOf(top, 5, 5), kParentColour);
    Journal().clear();
    MoveWindow(child, 35, 5, 20, 20, TRUE); // onto part of its old place
    Pump();
    EXPECT_EQ(Journal(), Lines{"T:WM_PAINT"});
    EXPECT_EQ(PixelOf(child, 19, 19), kChildColour);
    EXPECT_EQ(PixelOf(top, 31, 1), kParentColour);

    RECT client{};
    GetClientRect(top, &client);
    MoveWindow(child, client.right - 10, 0, 20, 20, TRUE); // half of it out of sight
    Pump();
    Journal().clear();
    MoveWindow(child, client.right - 40, 0, 20, 20, TRUE);
    RECT update{};
    EXPECT_TRUE(GetUpdateRect(child, &update, FALSE));
    EXPECT_EQ(update.left, 10) << "the half that was out of sight";
    EXPECT_EQ(update.right, 20);
    Pump();
    EXPECT_EQ(Journal(), (Lines{"T:WM_PAINT", "c:WM_PAINT"}));

    Journal().clear();
    Watched() = {WM_PAINT, WM_NCPAINT};
    SetWindowPos(child, nullptr, 0, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    Pump();
    EXPECT_EQ(Journal(), (Lines{"T:WM_PAINT", "c:WM_PAINT", "c:WM_NCPAINT"}))
        << "its frame too, though it has none";

    Journal().clear();
    MoveWindow(child, 0, 30, 25, 25, TRUE);
    Pump();
    EXPECT_EQ(Journal(), (Lines{"c:WM_PAINT", "c:WM_NCPAINT"})) << "grown, it uncovers nothing of its parent";

    Journal().clear();
    MoveWindow(top, 10, 10, 120, 80, TRUE);
    Pump();
    EXPECT_EQ(Journal(), Lines{});
    EXPECT_EQ(PixelOf(child, 5, 5), kChildColour);
    SetMessageHook({});
    DestroyWindow(top);
    DeleteObject(brush);
}

// Windows keeps a device's input from a disabled window when it routes it; a posted message is
// delivered to its window whatever its state.
TEST_F(Messages, PostedInputReachesADisabledWindow) {
    HWND top = MakeWindow(L"T", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND enabled = MakeWindow(L"e", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, top, 1);
    HWND disabled = MakeWindow(L"d", WS_CHILD | WS_VISIBLE | WS_DISABLED, 20, 0, 10, 10, top, 2);
    Watched() = {WM_LBUTTONDOWN, WM_KEYDOWN, WM_USER};
    auto click = [](HWND hwnd) { PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1)); };
    click(enabled);
    click(disabled);
    PostMessageW(disabled, WM_KEYDOWN, 'A', 0);
    PostMessageW(disabled, WM_USER, 0, 0);
    Pump();
    EnableWindow(top, FALSE);
    click(enabled);
    Pump();
    EXPECT_EQ(Journal(), (Lines{"e:WM_LBUTTONDOWN", "d:WM_LBUTTONDOWN", "d:WM_KEYDOWN", "d:WM_USER",
                                "e:WM_LBUTTONDOWN"}));
    DestroyWindow(top);
}

TEST_F(Messages, KeyStateIsTheThreadsAndPostedInputLeavesItAlone) {
    HWND hwnd = MakeWindow(L"k", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    std::vector<WPARAM> chars;
    SHORT shiftDuringKey = 0;
    SetMessageHook([&](HWND, UINT msg, WPARAM wParam, LPARAM, LRESULT*) {
        if (msg == WM_CHAR)
            chars.push_back(wParam);
        if (msg == WM_KEYDOWN && wParam == 'A')
            shiftDuringKey = GetKeyState(VK_SHIFT);
        return false;
    });
    PostMessageW(hwnd, WM_KEYDOWN, VK_SHIFT, 0);
    PostMessageW(hwnd, WM_KEYDOWN, 'A', 0);
    PostMessageW(hwnd, WM_KEYUP, VK_SHIFT, 0);
    Pump();
    EXPECT_GE(shiftDuringKey, 0) << "a posted Shift is no key a person holds";
    EXPECT_EQ(chars, (std::vector<WPARAM>{L'a'}));

    HoldKey(VK_SHIFT, true);
    PostMessageW(hwnd, WM_KEYDOWN, 'A', 0);
    Pump();
    HoldKey(VK_SHIFT, false);
    PostMessageW(hwnd, WM_KEYDOWN, 'B', 0);
    Pump();
    EXPECT_LT(shiftDuringKey, 0) << "Shift is down while the shifted key is handled";
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    EXPECT_EQ(chars, (std::vector<WPARAM>{L'a', L'A', L'b'})) << "characters follow the thread's key state";

    POINT before{};
    GetCursorPos(&before);
    PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, MAKELPARAM(before.x + 10, before.y + 20));
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_GE(GetKeyState(VK_CONTROL), 0) << "the bits of a posted click hold no key down";
    EXPECT_GE(GetKeyState(VK_LBUTTON), 0);
    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, before.x) << "a posted click moves no pointer";
    EXPECT_EQ(cursor.y, before.y);
    DestroyWindow(hwnd);
}

#ifndef _WIN32
// The stand-in's stand-in for a keyboard and a mouse (Windows has the devices themselves): their
// messages move the key state as the loop takes them, and go nowhere on a window input cannot reach.
using PersonsInput = Messages;

TEST_F(PersonsInput, MovesTheKeyStateWhenTakenAndSkipsWhatCannotTakeInput) {
    HWND top = MakeWindow(L"T", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND enabled = MakeWindow(L"e", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, top, 1);
    HWND disabled = MakeWindow(L"d", WS_CHILD | WS_VISIBLE | WS_DISABLED, 20, 0, 10, 10, top, 2);
    Watched() = {WM_KEYDOWN, WM_KEYUP, WM_LBUTTONDOWN};
    SHORT shiftDuringKey = 0;
    SetMessageHook([&](HWND, UINT msg, WPARAM wParam, LPARAM, LRESULT*) {
        if (msg == WM_KEYDOWN && wParam == VK_TAB)
            shiftDuringKey = GetKeyState(VK_SHIFT);
        return false;
    });
    standin::PostInputMessage(enabled, WM_KEYDOWN, VK_SHIFT, 0);
    standin::PostInputMessage(enabled, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0) << "queued, not yet taken";
    standin::PostInputMessage(disabled, WM_KEYUP, VK_SHIFT, 0);
    standin::PostInputMessage(disabled, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    standin::PostInputMessage(enabled, WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, MAKELPARAM(1, 1));
    Pump();
    EXPECT_LT(shiftDuringKey, 0);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0) << "the release counts though no window heard it";
    EXPECT_LT(GetKeyState(VK_CONTROL), 0) << "a click's MK_ bits tell the keys held during it";
    EXPECT_EQ(Journal(), (Lines{"e:WM_KEYDOWN", "e:WM_KEYDOWN", "e:WM_LBUTTONDOWN"}));
    standin::PostInputMessage(enabled, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
    Pump();
    EXPECT_GE(GetKeyState(VK_CONTROL), 0);
    DestroyWindow(top);
}
#endif

TEST_F(Messages, QuitEndsGetMessageAfterWhatWasPostedBefore) {
    PostMessageW(nullptr, WM_USER + 1, 0, 0);
    PostQuitMessage(3);
    MSG msg;
    EXPECT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 1));
    EXPECT_FALSE(GetMessageW(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
}

// GetMessagePos and GetMessageTime tell of the message the loop retrieved last, also inside a message
// sent while it is handled.
TEST_F(Messages, SentMessagesShareThePositionOfTheLastRetrievedOne) {
    HWND hwnd = MakeWindow(L"m", WS_POPUP, 0, 0, 10, 10);
    HWND other = MakeWindow(L"o", WS_POPUP, 0, 0, 10, 10);
    DWORD seenInPosted = 0;
    DWORD seenInSent = 0;
    SetMessageHook([&](HWND target, UINT msg, WPARAM, LPARAM, LRESULT*) {
        if (target == hwnd && msg == WM_USER + 5) {
            seenInPosted = GetMessagePos();
            SendMessageW(other, WM_USER + 6, 0, 0);
        } else if (target == other && msg == WM_USER + 6) {
            seenInSent = GetMessagePos();
        }
        return false;
    });
    ASSERT_TRUE(SetCursorPos(30, 40));
    PostMessageW(hwnd, WM_USER + 5, 0, 0); // a posted message carries the pointer's place when posted
    ASSERT_TRUE(SetCursorPos(50, 60));
    MSG msg;
    while (PeekMessageW(&msg, hwnd, WM_USER + 5, WM_USER + 5, PM_REMOVE))
        DispatchMessageW(&msg);
    EXPECT_EQ(seenInPosted, static_cast<DWORD>(MAKELONG(30, 40)));
    EXPECT_EQ(seenInSent, seenInPosted);
    EXPECT_EQ(GetMessagePos(), static_cast<DWORD>(MAKELONG(30, 40))) << "until the loop retrieves another";
    DestroyWindow(other);
    DestroyWindow(hwnd);
}

TEST_F(Messages, TimerTicksThroughTheLoopUntilKilled) {
    HWND hwnd = MakeWindow(L"t", WS_POPUP, 0, 0, 10, 10);
    ASSERT_EQ(SetTimer(hwnd, 42, 10, nullptr), 42u);
    MSG msg{};
    bool ticked = false;
    for (int i = 0; i < 400 && !ticked; ++i) {
        ticked = PeekMessageW(&msg, hwnd, WM_TIMER, WM_TIMER, PM_REMOVE) && msg.wParam == 42;
        if (!ticked)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_TRUE(ticked);
    EXPECT_TRUE(KillTimer(hwnd, 42));
    EXPECT_FALSE(KillTimer(hwnd, 42));
    SetTimer(hwnd, 43, 10, nullptr);
    DestroyWindow(hwnd);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) << "timers go with their window";
}

} // namespace
} // namespace win32test
