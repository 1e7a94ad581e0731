// The desktop on Windows: the windows are real; a round waits for the next message.
#include "live/Desktop.h"

#include <windows.h>

namespace host::live {

bool StartDesktop(std::function<void(const std::wstring&)>) {
    return true;
}

bool WaitForDesktop() {
    return WaitMessage() != FALSE;
}

void StopDesktop() {}

} // namespace host::live
