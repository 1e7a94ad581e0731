// The desktop the live host's windows are shown on. On Windows that is Windows itself: every window
// is already on the desktop, and a round waits for the next message. On Linux the platform's live
// display mirrors each visible top-level window into a desktop window, turns the person's mouse and
// keys into window messages, and bridges the clipboard; a round pumps the desktop's events.
//
// Not done here: the host's loop (LiveHost), anything of the windows themselves.
#pragma once

#include <functional>
#include <string>

namespace host::live {

// False when no desktop can be reached. `clipboard` is told each text the program puts on the
// clipboard (on Windows the desktop's clipboard is the program's own, and nobody is told).
bool StartDesktop(std::function<void(const std::wstring&)> clipboard);
// Waits without a limit of its own.
constexpr unsigned kWaitForInput = 0xFFFFFFFFu;
// Waits for the person's next input (or a timer, or at most `maxWaitMs`) and turns it into window
// messages; nothing wakes it while nothing happens. False once the desktop asks the program to end.
bool WaitForDesktop(unsigned maxWaitMs = kWaitForInput);
void StopDesktop();

} // namespace host::live
