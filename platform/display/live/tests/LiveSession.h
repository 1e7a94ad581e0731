// The live display on SDL's dummy driver, which stands for the desktop: events are pushed as the
// desktop would deliver them (a click on a mirror, a key, a window manager's move), the desktop's
// keyboard is the one the display's hand-overs report, and the stand-in's windows are real ones: the
// host's frame (its drawing), and a dialog with a drop-down list, a control that logs its keys and a
// push button, shown beside it as the host shows the running-total dialog.
#pragma once

#include <gtest/gtest.h>

#include <SDL.h>

#include <display.h>

#include <windows.h>

#include <string>
#include <vector>

namespace display::live::testing {

enum Id : int {
    kCombo = 201, // 8 items, 5 show in the open list
    kKeyLog = 202,
    kPush = 203,
};

class LiveDesktop : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Rounds of the host's loop: the display's round, then the stand-in's messages.
    void settle(int rounds = 4);
    // The dialog, made hidden and shown with `show` (SW_SHOWNOACTIVATE as the host shows it).
    HWND showDialog(int show = SW_SHOWNOACTIVATE);
    HWND item(int id) const { return GetDlgItem(m_dialog, id); }

    Uint32 mirrorOf(HWND topLevel);
    Uint32 hostId() { return mirrorOf(m_host); }
    // The SDL window that holds the keyboard as the desktop reported it last.
    Uint32 keyboard() const;

    // A left click at the middle of a control (or, with `at`, at that client point of the top-level
    // window), as the desktop delivers it to the mirror.
    void click(HWND control, Uint16 modifiers = KMOD_NONE);
    void clickAt(HWND topLevel, POINT client, Uint16 modifiers = KMOD_NONE);
    void clickHost();
    // A key pressed and let go, delivered to the SDL window `windowId`.
    void key(Uint32 windowId, SDL_Keycode code);
    // The same events queued only, for a loop that is yet to run (a menu's, a message box's).
    void pushKey(Uint32 windowId, SDL_Keycode code);
    void pushButton(HWND control, LiveMouse what);

    // The keys the key-logging control received (WM_KEYDOWN's virtual-key codes), and forgotten.
    std::vector<UINT> takeLoggedKeys();
    // The MK_SHIFT and MK_CONTROL bits of each WM_LBUTTONDOWN the key-logging control received.
    std::vector<WPARAM> takeLoggedClicks();
    bool captionDrawnActive();

    HWND m_host = nullptr;
    HWND m_dialog = nullptr;
};

} // namespace display::live::testing
