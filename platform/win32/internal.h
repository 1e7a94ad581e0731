// What the parts of the window manager ask of each other. Not for other rooms: they use the Windows
// functions and standin/hooks.h.
#pragma once

#include "core/window_tree.h"

namespace standin {

// desktop.cpp
HWND DesktopWindow();
int LiveWindowCount(); // the desktop is not counted

// painting.cpp: marks part of a window for repainting. `clientRect` null means the whole client area.
// `flags` are RDW_INVALIDATE / RDW_ERASE / RDW_FRAME / RDW_ALLCHILDREN as RedrawWindow takes them.
void InvalidateWindow(HWND hwnd, const RECT* clientRect, UINT flags);
// Paints every window of the subtree that needs it now, parents before children (RDW_UPDATENOW).
// `evenIfHidden`: a hidden top-level window is painted too (for pictures of windows not shown yet).
void UpdateSubtreeNow(HWND hwnd, bool evenIfHidden = false);
// The first visible window, in paint order, that waits for WM_PAINT and passes the filter.
HWND NextWindowToPaint(HWND filter);
// Draws the frame of a window whose non-client area is invalid and no longer waits for its WM_PAINT.
void PaintPendingFrames();

// focus_input.cpp
void ForgetWindowInput(HWND hwnd); // the window is going: it loses focus, activation and capture silently
void ActivateOtherWindow(HWND leaving);
void NoteRetrievedInput(const MSG& msg); // key and button state follow the input a loop takes
void SetCursorPosition(POINT screen);

// message_queue.cpp
void KillWindowTimers(HWND hwnd);
// Takes the next message for a nested loop (sizing, caption buttons, modal dialogs); false when nothing
// is queued and nothing can arrive any more: no live display feeding input and, unless
// `waitForTimers`, no timer counted either. So headless loops end instead of waiting for a person who
// is not there.
bool NextMessageForNestedLoop(MSG* msg, bool waitForTimers);
bool HasIdleHook();

// hooks_cbt.cpp: nonzero when a hook vetoes the operation.
LRESULT CallCbtHooks(int code, WPARAM wParam, LPARAM lParam);

// dialog_manager.cpp
void ReleaseDialogData(Window& window);

// menus.cpp
HMENU MakeSystemMenu();

// menus.cpp
int LiveMenuCount();

} // namespace standin
