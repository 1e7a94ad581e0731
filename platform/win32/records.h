// The switches tests set through standin/hooks.h, as the rest of the library reads them.
#pragma once

#include <standin/hooks.h>

namespace standin {

// True when the caller's call of that function is to fail (one use of FailNext's count).
bool ConsumeFault(Fault fault);
bool ClipboardOpenFails();
void ResetClipboardSwitch();

} // namespace standin
