// The simulated user. Every action goes through the messages that a person's input would make
// (mouse and key messages posted or sent to the window under the pointer / with the focus, then the
// message loop drained), never by calling a component's members.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#if defined(_WIN32) && defined(AUTOMATION_BUILDING)
#define AUTOMATION_API __declspec(dllexport)
#elif defined(_WIN32)
#define AUTOMATION_API __declspec(dllimport)
#else
#define AUTOMATION_API __attribute__((visibility("default")))
#endif

namespace automation {

enum Modifier : unsigned { kNone = 0, kShift = 1, kCtrl = 2 };

// Runs the thread's message loop until the queue is empty (posted messages, paints are not needed:
// WM_PAINT is left to whoever looks at a picture). Each message goes first to the pre-translate hook when one
// is set (an MFC program's loop runs its PreTranslateMessage chain there), else to IsDialogMessageW of its
// top-level dialog, and is translated and dispatched when neither takes it.
AUTOMATION_API void Pump();
// Installs the loop's pre-translate step (returns true when it handled the message); an empty
// function removes it.
AUTOMATION_API void SetPreTranslateHook(std::function<bool(MSG*)> hook);

AUTOMATION_API void MoveMouse(POINT screen);
// A left click in the middle of `control` (or at client point `at` of it). Ignored by a disabled window,
// as input never reaches one. Returns FALSE when nothing could be clicked.
AUTOMATION_API BOOL Click(HWND control, unsigned modifiers = kNone);
AUTOMATION_API BOOL ClickAt(HWND window, POINT client, unsigned modifiers = kNone);
AUTOMATION_API BOOL RightClickAt(HWND window, POINT client);
// A key press (down, char where it has one, up) on the window with the focus, through the dialog
// manager of its top-level window as a message loop with IsDialogMessage / PreTranslateMessage does.
// Without a focus window the key goes to the active window as WM_SYSKEYDOWN / WM_SYSKEYUP, as on
// Windows: a dialog shown without activation hears no keys until it is clicked or focused.
AUTOMATION_API void PressKey(UINT vk, unsigned modifiers = kNone);
AUTOMATION_API void Focus(HWND control); // a click-free focus change (as Tab would make)

// List view: click row (0-based) with modifiers; right-click a row (or the empty area with row -1).
AUTOMATION_API BOOL PickListRow(HWND list, int row, unsigned modifiers = kNone);
AUTOMATION_API BOOL RightClickList(HWND list, int row);
// Combo box: the user opens the drop-down list and picks item `index`.
AUTOMATION_API BOOL ChooseComboItem(HWND combo, int index);
// Moves the pointer over a control; returns the text of the tooltip that is then shown, "" if none.
AUTOMATION_API std::wstring Hover(HWND control);
// Drags the bottom-right corner of the sizing border until the window's outer size is width x height
// (the window manager consults WM_GETMINMAXINFO as it does for a person's drag).
AUTOMATION_API BOOL DragBorderTo(HWND topLevel, int width, int height);
// Clicks a frame button of a top-level window: SC_CLOSE (x) or SC_CONTEXTHELP (?).
AUTOMATION_API BOOL ClickFrameButton(HWND topLevel, UINT sysCommand);

// Answers for modal loops that the next actions open.
AUTOMATION_API void AnswerNextMessageBox(int answer);
AUTOMATION_API void PickNextMenuCommand(UINT command);
AUTOMATION_API void DismissNextMenu();

AUTOMATION_API COLORREF ReadPixel(HWND window, int x, int y); // client coordinates

} // namespace automation
