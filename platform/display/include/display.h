// Pictures of windows: a PNG of a top-level window, on Linux and on Windows; and on Linux a live SDL2
// window per visible top-level window when a display exists, turning the person's mouse and keys into
// window messages (on Windows the windows are on the desktop already).
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#if defined(_WIN32) && defined(DISPLAY_BUILDING)
#define DISPLAY_API __declspec(dllexport)
#elif defined(_WIN32)
#define DISPLAY_API __declspec(dllimport)
#else
#define DISPLAY_API __attribute__((visibility("default")))
#endif

namespace display {

// Writes the top-level window holding `hwnd` (frame, caption, help and close buttons, children) to a PNG.
DISPLAY_API bool WriteWindowPng(HWND hwnd, const std::string& path);
// Writes the client area of the top-level window `hwnd` alone to a PNG.
DISPLAY_API bool WriteClientPng(HWND hwnd, const std::string& path);

// True when windows can be shown to a person: on Windows always; on Linux when DISPLAY or
// WAYLAND_DISPLAY is set and SDL video initialises.
DISPLAY_API bool Available();

} // namespace display

#if !defined(_WIN32)
union SDL_Event;

namespace display {

// Starts mirroring every visible top-level window of the stand-in into its own SDL window, installs the
// interactive message boxes and menus, and bridges the clipboard to the desktop's. The bridge takes the
// stand-in's clipboard observer: a host that watches the clipboard too passes its observer here, and it
// is called after each text went to the desktop.
DISPLAY_API bool StartLive(std::function<void(const std::wstring&)> clipboardObserver = {});
// PumpLive waits with no time limit of the caller's own.
constexpr unsigned kWaitForInput = 0xFFFFFFFFu;
// One round of the live loop: the mirrors first show what the windows painted since the last round
// (and follow their places, sizes and activation), then it waits until the desktop has events, a
// timer of the stand-in is due, WakeLive is called or `maxWaitMs` passed, and turns the events into
// window messages for the caller's loop to dispatch. While nothing happens nothing wakes it. Returns
// false once the process should quit.
DISPLAY_API bool PumpLive(unsigned maxWaitMs = kWaitForInput);
// Ends the wait of PumpLive at once; callable from any thread (a line of input arrived). A call before
// StartLive is lost: a caller with work waiting passes a short maxWaitMs instead.
DISPLAY_API void WakeLive();
DISPLAY_API void StopLive();

// Events of SDL windows that are not mirrors (windows a host made with SDL itself) are handed
// to this handler by PumpLive; while a live message box or menu is open, only their window events are.
DISPLAY_API void SetForeignEventHandler(std::function<void(const SDL_Event&)> handler);
// The SDL window id of the mirror of a visible top-level window, 0 when it has none. Scripts that drive
// the live display aim their input at it.
DISPLAY_API unsigned LiveWindowId(HWND topLevel);
// The SDL window id an event of the mouse or of a window belongs to; 0 for other events.
DISPLAY_API unsigned EventWindowId(const SDL_Event& event);
// The next live message box or popup menu is shown and then takes `answer` as if the person had chosen
// it: a button (IDOK, IDYES, ...) or a menu command, 0 dismissing a menu. A command the menu does not
// offer, or offers grayed, dismisses it. For scripts that drive the live display; answers are used in
// order.
DISPLAY_API void QueueLiveAnswer(unsigned answer);
// The person's left mouse button on the mirror `windowId` at (x, y) of its window, queued for the next
// PumpLive as the desktop delivers it: the pointer moving there, the button going down, going up. A
// click is all three, queued together as a quick click arrives.
enum class LiveMouse { Move, Press, Release };
DISPLAY_API void PushLiveMouse(unsigned windowId, LiveMouse what, int x, int y);
DISPLAY_API void PushLiveClick(unsigned windowId, int x, int y);

} // namespace display
#endif
