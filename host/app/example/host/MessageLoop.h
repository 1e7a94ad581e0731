// The host's message loop, as an MFC program runs it: every message is first offered to the
// PreTranslateMessage of the windows it is for (the dialog relays mouse messages to its tooltips
// there, and its dialog manager takes Tab, Enter and Esc), and only what nobody took is translated
// and dispatched.
//
// Not done here: idle processing, accelerators of the host's own.
#pragma once

namespace host {

// Handles every message waiting in the queue; false once WM_QUIT came.
bool PumpWaitingMessages();

} // namespace host
