// The default for builds without platform/controls: no built-in controls. The controls' own definition
// replaces this one at link time.
#include "win32/controls_registry.h"

namespace standin {

__attribute__((weak)) void RegisterBuiltinControlClasses() {}

} // namespace standin
