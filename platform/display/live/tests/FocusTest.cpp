// Focus and activation at the live display as Windows has them: one active window, shared by the
// stand-in and the desktop; a dialog shown without activation leaves the keyboard where it was; a
// click activates; popups (the drop-down list, a menu, a message box) never keep the keyboard; keys
// go to the focus window whichever mirror the desktop delivered them to; a window manager's moves
// and sizes reach the window.
#include "LiveSession.h"

#include "../Desktop.h"

#include <display.h>

#include <thread>

namespace display::live::testing {
namespace {

class Focus : public LiveDesktop {};

TEST_F(Focus, ADialogShownWithoutActivationLeavesTheKeyboardWithTheHost) {
    showDialog(SW_SHOWNOACTIVATE);
    EXPECT_NE(mirrorOf(m_dialog), 0u);
    EXPECT_EQ(GetActiveWindow(), m_host);
    EXPECT_EQ(keyboard(), hostId());
    EXPECT_FALSE(captionDrawnActive());
}

TEST_F(Focus, ADialogShownWithActivationTakesIt) {
    showDialog(SW_SHOW);
    EXPECT_EQ(GetActiveWindow(), m_dialog);
    EXPECT_EQ(keyboard(), mirrorOf(m_dialog));
    EXPECT_TRUE(captionDrawnActive());
}

TEST_F(Focus, AClickActivatesTheDialogAndAClickOnTheHostTakesItBack) {
    showDialog();
    click(item(kKeyLog));
    EXPECT_EQ(GetActiveWindow(), m_dialog);
    EXPECT_EQ(GetFocus(), item(kKeyLog));
    EXPECT_EQ(keyboard(), mirrorOf(m_dialog));
    EXPECT_TRUE(captionDrawnActive());
    key(mirrorOf(m_dialog), SDLK_DELETE);
    EXPECT_EQ(takeLoggedKeys(), std::vector<UINT>{VK_DELETE});

    clickHost();
    EXPECT_EQ(keyboard(), hostId());
    EXPECT_EQ(GetActiveWindow(), m_host);
    EXPECT_FALSE(captionDrawnActive());

    // Back on the dialog's caption: the control that had the focus has it again.
    clickAt(m_dialog, POINT{20, -8});
    EXPECT_EQ(GetActiveWindow(), m_dialog);
    EXPECT_EQ(GetFocus(), item(kKeyLog));
    key(mirrorOf(m_dialog), SDLK_DOWN);
    EXPECT_EQ(takeLoggedKeys(), std::vector<UINT>{VK_DOWN});
}

TEST_F(Focus, TheDesktopActivatingAFrameActivatesTheWindowAndAnotherProgramNone) {
    showDialog();
    desktop::GiveKeyboard(SDL_GetWindowFromID(mirrorOf(m_dialog))); // Alt+Tab, a window manager's click
    settle();
    EXPECT_EQ(GetActiveWindow(), m_dialog);
    EXPECT_TRUE(captionDrawnActive());

    SDL_Window* other = SDL_CreateWindow("another program", 500, 500, 50, 50, SDL_WINDOW_HIDDEN);
    desktop::GiveKeyboard(other);
    settle();
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_FALSE(captionDrawnActive());
    SDL_DestroyWindow(other);
}

// The keys of an open list are the combo box's: the desktop may deliver them to the list's own
// window or to the dialog's, and the list never takes the keyboard.
TEST_F(Focus, AnOpenDropDownListTakesItsKeysAndNeverTheKeyboard) {
    showDialog();
    HWND combo = item(kCombo);
    click(combo); // opens the list
    ASSERT_TRUE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
    HWND list = nullptr;
    for (HWND top = GetWindow(GetDesktopWindow(), GW_CHILD); top; top = GetWindow(top, GW_HWNDNEXT)) {
        wchar_t name[16] = {};
        GetClassNameW(top, name, 16);
        if (IsWindowVisible(top) && std::wstring(name) == L"ComboLBox") {
            list = top;
        }
    }
    ASSERT_NE(list, nullptr);
    const Uint32 listMirror = mirrorOf(list);
    ASSERT_NE(listMirror, 0u);
    EXPECT_EQ(keyboard(), mirrorOf(m_dialog));

    const struct {
        SDL_Keycode key;
        bool toList; // delivered to the list's mirror rather than the dialog's
        bool dropped;
        int selected;
    } steps[] = {
        {SDLK_DOWN, false, true, 2}, {SDLK_DOWN, true, true, 3},    {SDLK_END, true, true, 7},
        {SDLK_HOME, false, true, 0}, {SDLK_RETURN, true, false, 0}, {SDLK_F4, false, true, 0},
        {SDLK_DOWN, false, true, 1}, {SDLK_ESCAPE, true, false, 1}, {SDLK_F4, false, true, 1},
        {SDLK_F4, false, false, 1},
    };
    int step = 0;
    for (const auto& s : steps) {
        const Uint32 to = s.toList && mirrorOf(list) ? mirrorOf(list) : mirrorOf(m_dialog);
        key(to, s.key);
        EXPECT_EQ(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0, s.dropped) << "step " << step;
        EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), s.selected) << "step " << step;
        EXPECT_EQ(keyboard(), mirrorOf(m_dialog)) << "step " << step;
        ++step;
    }
    EXPECT_EQ(GetFocus(), combo);
    EXPECT_EQ(mirrorOf(list), 0u) << "the closed list has no mirror";
}

TEST_F(Focus, AfterAMenuAndAMessageBoxTheDialogStillTakesKeys) {
    showDialog();
    click(item(kKeyLog));
    ASSERT_EQ(keyboard(), mirrorOf(m_dialog));

    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 1, L"コピー");
    display::QueueLiveAnswer(0);
    TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, m_dialog, nullptr);
    DestroyMenu(menu);
    settle();
    EXPECT_EQ(keyboard(), mirrorOf(m_dialog)) << "a menu never has the keyboard";
    key(mirrorOf(m_dialog), SDLK_DELETE);

    display::QueueLiveAnswer(IDOK);
    EXPECT_EQ(MessageBoxW(m_dialog, L"削除しますか", L"累計ダイアログ", MB_OKCANCEL), IDOK);
    settle();
    EXPECT_EQ(keyboard(), mirrorOf(m_dialog)) << "the box gives the keyboard back to its owner";
    EXPECT_EQ(GetActiveWindow(), m_dialog);
    key(mirrorOf(m_dialog), SDLK_DELETE);
    EXPECT_EQ(takeLoggedKeys(), (std::vector<UINT>{VK_DELETE, VK_DELETE}));
}

// A menu that opens on a press (a list's context menu) can take the button's release in its own loop:
// the pressed dialog must not hold the pointer afterwards, or the next clicks on the host reach it.
TEST_F(Focus, AReleaseThatAMenuTookLeavesNoWindowHoldingThePointer) {
    showDialog();
    click(item(kKeyLog));
    pushButton(item(kKeyLog), LiveMouse::Press);
    settle();
    pushButton(item(kKeyLog), LiveMouse::Release);
    pushKey(mirrorOf(m_dialog), SDLK_ESCAPE);
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 1, L"コピー");
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, m_dialog, nullptr), 0);
    DestroyMenu(menu);
    settle();

    clickHost();
    EXPECT_EQ(GetActiveWindow(), m_host);
    EXPECT_EQ(keyboard(), hostId());
}

TEST_F(Focus, WhenTheActiveDialogGoesTheHostGetsTheKeyboardBack) {
    showDialog();
    click(item(kKeyLog));
    ShowWindow(m_dialog, SW_HIDE);
    settle();
    EXPECT_EQ(mirrorOf(m_dialog), 0u);
    EXPECT_EQ(keyboard(), hostId());
}

TEST_F(Focus, TheWindowManagersMovesAndSizesReachTheWindowWithinItsLimits) {
    showDialog();
    RECT start{};
    GetWindowRect(m_dialog, &start);
    const Uint32 mirror = mirrorOf(m_dialog);
    auto windowEvent = [&](Uint8 which, int a, int b) {
        SDL_Event e{};
        e.type = SDL_WINDOWEVENT;
        e.window.windowID = mirror;
        e.window.event = which;
        e.window.data1 = a;
        e.window.data2 = b;
        SDL_PushEvent(&e);
        settle();
    };
    windowEvent(SDL_WINDOWEVENT_MOVED, 300, 200);
    RECT now{};
    GetWindowRect(m_dialog, &now);
    EXPECT_EQ(std::make_pair(now.left, now.top), std::make_pair(LONG{300}, LONG{200}));

    // The drop-down list opens under the combo box where the window is now.
    HWND combo = item(kCombo);
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    settle();
    RECT face{};
    RECT dropped{};
    GetWindowRect(combo, &face);
    SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.top, face.top);
    EXPECT_GT(face.top, 200);
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);

    const int width = start.right - start.left;
    const int height = start.bottom - start.top;
    windowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, width + 40, height + 20);
    GetWindowRect(m_dialog, &now);
    EXPECT_EQ(std::make_pair(now.right - now.left, now.bottom - now.top),
              std::make_pair(width + 40, height + 20));

    // Below its smallest size the window stays at it, and the desktop is told so.
    windowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, width - 50, height - 30);
    GetWindowRect(m_dialog, &now);
    EXPECT_EQ(std::make_pair(now.right - now.left, now.bottom - now.top), std::make_pair(width, height));
    int shownWidth = 0;
    int shownHeight = 0;
    SDL_GetWindowSize(SDL_GetWindowFromID(mirror), &shownWidth, &shownHeight);
    EXPECT_EQ(std::make_pair(shownWidth, shownHeight), std::make_pair(width, height));
}

// Nothing wakes an idle round but what it waits for: a stand-in timer, or a wake from another thread.
TEST_F(Focus, AnIdleRoundEndsWhenATimerIsDueOrItIsWoken) {
    showDialog();
    SetTimer(m_dialog, 7, 30, nullptr);
    MSG msg{};
    bool due = false;
    for (int round = 0; round < 100 && !due; ++round) { // events of the desktop may end rounds first
        display::PumpLive();
        due = PeekMessageW(&msg, m_dialog, WM_TIMER, WM_TIMER, PM_REMOVE);
    }
    EXPECT_TRUE(due);
    EXPECT_EQ(msg.wParam, 7u);
    KillTimer(m_dialog, 7);

    std::thread waker([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        display::WakeLive();
    });
    display::PumpLive();
    waker.join();
    SUCCEED() << "the round returned";
}

} // namespace
} // namespace display::live::testing
