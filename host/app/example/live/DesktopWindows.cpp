// The desktop on Windows: the windows are real; a round waits for the next message.
#include "live/Desktop.h"

#include <windows.h>

namespace host::live {

bool StartDesktop(std::function<void(const std::wstring&)>) {
    return true;
}

bool WaitForDesktop(unsigned maxWaitMs) {
    if (maxWaitMs == kWaitForInput) {
        return WaitMessage() != FALSE;
    }
    return MsgWaitForMultipleObjects(0, nullptr, FALSE, maxWaitMs, QS_ALLINPUT) != WAIT_FAILED;
}

void StopDesktop() {}

} // namespace host::live
