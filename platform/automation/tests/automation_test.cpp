// The simulated user seen from a window: its input arrives as a person's would (through the loop's
// pre-translate step and the dialog manager, with modifier keys held, one event at a time), and its
// answers reach the modal loops that the input opens.
#include "sample_dialog.h"

#include <windowsx.h>

#include <automation.h>
#include <standin/hooks.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>

#include <string>
#include <vector>

namespace {

using namespace sample;

// A plain top-level window that writes down the input it gets, and on a left click asks a question
// or, on a right click, offers a popup menu with commands 11 and 12 (12 grayed).
class ProbeWindow {
public:
    ProbeWindow() {
        static const bool registered = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = Proc;
            wc.lpszClassName = L"AutomationProbe";
            return RegisterClassW(&wc) != 0;
        }();
        (void)registered;
        m_hwnd = CreateWindowExW(0, L"AutomationProbe", L"Probe", WS_POPUP | WS_VISIBLE, 700, 100, 200, 150,
                                 nullptr, nullptr, nullptr, nullptr);
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~ProbeWindow() { DestroyWindow(m_hwnd); }
    HWND hwnd() const { return m_hwnd; }
    std::vector<std::string> lines;
    bool asks = false;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<ProbeWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (!self) {
            return DefWindowProcW(hwnd, msg, wParam, lParam);
        }
        auto keys = [&] {
            return std::string(GetKeyState(VK_CONTROL) < 0 ? " ctrl" : "") +
                   (GetKeyState(VK_SHIFT) < 0 ? " shift" : "") +
                   ((wParam & MK_CONTROL) ? " MK_CONTROL" : "") + ((wParam & MK_SHIFT) ? " MK_SHIFT" : "");
        };
        switch (msg) {
        case WM_LBUTTONDOWN:
            self->lines.push_back("down at " + std::to_string(GET_X_LPARAM(lParam)) + "," +
                                  std::to_string(GET_Y_LPARAM(lParam)) + keys());
            return 0;
        case WM_LBUTTONUP:
            self->lines.push_back("up" + keys());
            if (self->asks) {
                const int answer = MessageBoxW(hwnd, L"削除しますか？", L"Probe", MB_YESNO);
                self->lines.push_back("answer " + std::to_string(answer));
            }
            return 0;
        case WM_RBUTTONUP: {
            HMENU menu = CreatePopupMenu();
            AppendMenuW(menu, MF_STRING, 11, L"＋");
            AppendMenuW(menu, MF_STRING | MF_GRAYED, 12, L"クリップボードにコピー");
            POINT at{};
            GetCursorPos(&at);
            TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd, nullptr);
            DestroyMenu(menu);
            return 0;
        }
        case WM_COMMAND:
            self->lines.push_back("command " + std::to_string(LOWORD(wParam)));
            return 0;
        default:
            return DefWindowProcW(hwnd, msg, wParam, lParam);
        }
    }
    HWND m_hwnd = nullptr;
};

class Automation : public ::testing::Test {
protected:
    void TearDown() override {
        automation::SetPreTranslateHook({});
        standin::ResetRecords();
    }
};

TEST_F(Automation, EveryInputMessagePassesThePreTranslateStepFirst) {
    SampleDialog dialog;
    std::vector<UINT> seen;
    HWND push = dialog.item(kPush);
    automation::SetPreTranslateHook([&](MSG* msg) {
        if (msg->hwnd == push && msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST) {
            // Windows adds moves of its own wherever the pointer is put; one move in a row is told.
            if (msg->message != WM_MOUSEMOVE || seen.empty() || seen.back() != WM_MOUSEMOVE) {
                seen.push_back(msg->message);
            }
        }
        return false;
    });
    ASSERT_TRUE(automation::Click(push));
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), static_cast<UINT>(WM_MOUSEMOVE)) << "the pointer comes before the press";
    seen.erase(std::remove(seen.begin(), seen.end(), static_cast<UINT>(WM_MOUSEMOVE)), seen.end());
    EXPECT_EQ(seen, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
    EXPECT_EQ(dialog.takeEvents(), "107 BN_CLICKED\n");

    // A step that takes the press keeps it from the button: no click.
    automation::SetPreTranslateHook([&](MSG* msg) { return msg->message == WM_LBUTTONDOWN; });
    automation::Click(push);
    EXPECT_EQ(dialog.takeEvents(), "");
}

TEST_F(Automation, WithoutAPreTranslateStepTheDialogManagerSeesTheKeys) {
    SampleDialog dialog;
    automation::Focus(dialog.item(kCheck));
    automation::PressKey(VK_ESCAPE);
    EXPECT_EQ(dialog.takeEvents(), "WM_COMMAND 2\n");
    // With no focus window the key is a system key of the active window: no cancel.
    SetFocus(nullptr);
    automation::PressKey(VK_ESCAPE);
    EXPECT_EQ(dialog.takeEvents(), "");
}

TEST_F(Automation, ModifierKeysAreHeldForTheClickAndReleasedAfter) {
    ProbeWindow probe;
    ASSERT_TRUE(automation::ClickAt(probe.hwnd(), POINT{20, 30}, automation::kCtrl | automation::kShift));
    ASSERT_TRUE(automation::ClickAt(probe.hwnd(), POINT{5, 6}));
    EXPECT_EQ(Lines(probe.lines), "down at 20,30 ctrl shift MK_CONTROL MK_SHIFT\n"
                                  "up ctrl shift MK_CONTROL MK_SHIFT\n"
                                  "down at 5,6\n"
                                  "up\n");
    EXPECT_GE(GetKeyState(VK_CONTROL), 0);
}

// A window whose handler of one input message throws, or that goes away on a key: the person's
// keys and buttons come up all the same, and nothing keeps believing they are down.
struct UnluckyInput {
    const char* name;
    UINT failing;      // the message whose handler throws
    bool goesOnEscape; // the window destroys itself on Esc instead
    std::function<void(HWND)> act;
};

LRESULT CALLBACK UnluckyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto* failing = reinterpret_cast<const UnluckyInput*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (failing != nullptr && msg == failing->failing)
        throw std::runtime_error("a handler fails");
    if (failing != nullptr && failing->goesOnEscape && msg == WM_KEYDOWN && wParam == VK_ESCAPE) {
        DestroyWindow(hwnd);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

TEST_F(Automation, HeldKeysAndButtonsComeUpWhateverTheHandlerDoes) {
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = UnluckyProc;
        wc.lpszClassName = L"AutomationUnlucky";
        return RegisterClassW(&wc) != 0;
    }();
    ASSERT_TRUE(registered);
    const UnluckyInput cases[] = {
        {"ctrl+shift click, the press throws", WM_LBUTTONDOWN, false,
         [](HWND w) {
             automation::ClickAt(w, POINT{10, 10}, automation::kCtrl | automation::kShift);
         }},
        {"right click, the press throws", WM_RBUTTONDOWN, false,
         [](HWND w) {
             automation::RightClickAt(w, POINT{10, 10});
         }},
        {"shift+Esc, the key throws", WM_KEYDOWN, false,
         [](HWND w) { automation::PressKey(VK_ESCAPE, automation::kShift); }},
        {"shift+Esc closes the window", 0, true,
         [](HWND w) { automation::PressKey(VK_ESCAPE, automation::kShift); }},
    };
    for (const UnluckyInput& unlucky : cases) {
        SCOPED_TRACE(unlucky.name);
        HWND window = CreateWindowExW(0, L"AutomationUnlucky", L"Unlucky", WS_POPUP | WS_VISIBLE, 700, 400,
                                      200, 150, nullptr, nullptr, nullptr, nullptr);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&unlucky));
        SetActiveWindow(window);
        SetFocus(window);
        try {
            unlucky.act(window);
        } catch (const std::runtime_error&) {
        }
        // The program's loop goes on and takes what was left for it.
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        automation::Pump();
        for (const int key : {VK_CONTROL, VK_SHIFT, VK_LBUTTON, VK_RBUTTON, VK_ESCAPE})
            EXPECT_GE(GetKeyState(key), 0) << "key " << key << " is still down";
        EXPECT_EQ(GetCapture(), nullptr);
        if (IsWindow(window))
            DestroyWindow(window);
    }
}

TEST_F(Automation, MessageBoxesTakeTheQueuedAnswer) {
    ProbeWindow probe;
    probe.asks = true;
    automation::AnswerNextMessageBox(IDNO);
    automation::ClickAt(probe.hwnd(), POINT{10, 10});
    EXPECT_EQ(probe.lines.back(), "answer " + std::to_string(IDNO));
    const auto boxes = standin::MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"削除しますか？");
}

TEST_F(Automation, PopupMenusArePickedOrDismissed) {
    ProbeWindow probe;
    automation::PickNextMenuCommand(11);
    automation::RightClickAt(probe.hwnd(), POINT{10, 10});
    automation::PickNextMenuCommand(12); // grayed: cannot be picked
    automation::RightClickAt(probe.hwnd(), POINT{10, 10});
    automation::DismissNextMenu();
    automation::RightClickAt(probe.hwnd(), POINT{10, 10});
    EXPECT_EQ(Lines(probe.lines), "command 11\n");
    EXPECT_EQ(standin::Menus().size(), 3u);
}

TEST_F(Automation, TheBorderIsDraggedToTheSizeAskedFor) {
    SampleDialog dialog;
    RECT before{};
    GetWindowRect(dialog.hwnd(), &before);
    const int width = before.right - before.left + 60;
    const int height = before.bottom - before.top + 40;
    ASSERT_TRUE(automation::DragBorderTo(dialog.hwnd(), width, height));
    RECT after{};
    GetWindowRect(dialog.hwnd(), &after);
    EXPECT_EQ(after.right - after.left, width);
    EXPECT_EQ(after.bottom - after.top, height);
    EXPECT_EQ(after.left, before.left) << "the top-left corner stays";

    ProbeWindow probe; // no sizing border
    EXPECT_FALSE(automation::DragBorderTo(probe.hwnd(), 300, 300));
}

TEST_F(Automation, TheCloseButtonOfTheFrameIsClicked) {
    SampleDialog dialog;
    ASSERT_TRUE(automation::ClickFrameButton(dialog.hwnd(), SC_CLOSE));
    EXPECT_EQ(dialog.takeEvents(), "WM_COMMAND 2\n") << "the dialog manager turns a close into IDCANCEL";
    EXPECT_FALSE(automation::ClickFrameButton(dialog.hwnd(), SC_CONTEXTHELP))
        << "this frame has no help button";
}

TEST_F(Automation, ActionsOnWhatIsNotThereFail) {
    SampleDialog dialog;
    dialog.fillList(kOwnerList, 3);
    dialog.takeEvents(); // what filling the list notified
    EXPECT_FALSE(automation::PickListRow(dialog.item(kOwnerList), 3));
    EXPECT_FALSE(automation::ChooseComboItem(dialog.item(kComboB), 3));
    EXPECT_EQ(automation::Hover(dialog.item(kPush)), L"") << "no tooltip anywhere";
    ShowWindow(dialog.item(kPush), SW_HIDE);
    EXPECT_FALSE(automation::Click(dialog.item(kPush)));
    EXPECT_EQ(dialog.takeEvents(), "");
}

} // namespace
