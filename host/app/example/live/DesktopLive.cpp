// The desktop on Linux: the platform's live display (SDL2).
#include "live/Desktop.h"

#include <display.h>

namespace host::live {

bool StartDesktop(std::function<void(const std::wstring&)> clipboard) {
    return display::StartLive(std::move(clipboard));
}

bool WaitForDesktop(unsigned maxWaitMs) {
    return display::PumpLive(maxWaitMs);
}

void StopDesktop() {
    display::StopLive();
}

} // namespace host::live
