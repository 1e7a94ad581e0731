// Shared pieces of the window-manager tests: a window class that writes the messages it gets to a
// journal (compared as one sequence), a fixture that checks no window, DC or GDI object outlives a
// test, and helpers that pump the queue as a dialog's message loop does.
#pragma once

#include <standin/hooks.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace win32test {

// "name:WM_X" lines, name being the text the window was created with.
std::vector<std::string>& Journal();
std::set<UINT>& Watched();
std::string MessageName(UINT msg);

// Windows of this class journal the watched messages, then hand everything to DefWindowProcW (or to
// the hook, which may answer instead by returning true).
extern const wchar_t kJournalClass[];
using MessageHook = std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT*)>;
void SetMessageHook(MessageHook hook);
HWND MakeWindow(const wchar_t* name, DWORD style, int x, int y, int w, int h, HWND parent = nullptr,
                int id = 0, DWORD exStyle = 0);

// A dialog procedure that journals under the name "dlg" and lets a test answer messages.
INT_PTR CALLBACK JournalDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
void SetDialogHook(std::function<bool(HWND, UINT, WPARAM, LPARAM, INT_PTR*)> hook);

// Runs the queue dry as a dialog's loop does (IsDialogMessageW first when a dialog is given).
void Pump(HWND dialog = nullptr);

// Holds a key down or lets it up in the thread's key state (SetKeyboardState): what GetKeyState tells
// while a person holds it. Posted key messages leave that state alone on Windows and on the stand-in.
void HoldKey(UINT vk, bool down);

class StandinTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

private:
    standin::LiveObjects m_start;
};

} // namespace win32test
